// The transfer form "NALOG ZA PRENOS" drawn, written to PDF and read back.
#include "employees/PaymentOrderForm.h"

#include <QtTest>

#include "TempDir.h"
#include "ToolOutput.h"
#include "report/qt/Renderer.h"

using namespace zarion;
using namespace zarion::employees;

namespace {

PaymentOrder creditorOrder(const std::string& recipient, Currency amount) {
    PaymentOrder order;
    order.payer = "Žitopromet d.o.o. Šabac";
    order.purpose = "Obustave iz LD za 03/2024";
    order.recipient = recipient;
    order.paymentCode = "246";
    order.amount = amount;
    order.payerAccount = "205-0000000999900-11";
    order.recipientAccount = "160-0000000055000-11";
    order.recipientModel = "97";
    order.recipientReference = "55-1234-2024";
    order.place = "Šabac";
    order.date = {2024, 4, 5};
    return order;
}

std::string pdfText(const report::Document& document, const test::TempDir& dir) {
    const auto pdf = dir / "nalozi.pdf";
    if (!report::writePdf(document, pdf))
        return {};
    return test::toolOutput("pdftotext -layout '" + pdf.string() + "' -");
}

} // namespace

class PaymentOrderFormTest : public QObject {
    Q_OBJECT

private slots:
    void printedOrderShowsAmountAccountsAndPurpose();
    void longTextsWrapInsideTheirBoxes();
};

void PaymentOrderFormTest::printedOrderShowsAmountAccountsAndPurpose() {
    test::TempDir dir;
    const auto document = PaymentOrdersDocument(
        {creditorOrder("Banka Intesa a.d.", Currency::parse("12345.67")),
         creditorOrder("Sindikat", 600_din), creditorOrder("Komercijalna banka", 1_din)},
        "NALOG ZA PRENOS");
    QCOMPARE(document.pages.size(), std::size_t{2}); // two forms to a page

    const std::string text = pdfText(document, dir);
    QVERIFY2(!text.empty(), "pdftotext printed nothing");
    for (const char* expected : {"NALOG ZA PRENOS",
                                 "=12.345,67",
                                 "=600,00",
                                 "=1,00",
                                 "205-0000000999900-11",
                                 "160-0000000055000-11",
                                 "Obustave iz LD za 03/2024",
                                 "Banka Intesa a.d.",
                                 "Žitopromet d.o.o. Šabac",
                                 "246",
                                 "97",
                                 "55-1234-2024",
                                 "Šabac, 05.04.2024",
                                 "dužnik - nalogodavac",
                                 "svrha plaćanja",
                                 "poverilac - primalac",
                                 "račun dužnika - nalogodavca",
                                 "račun poverioca - primaoca",
                                 "model i poziv na broj (odobrenje)",
                                 "pečat i potpis nalogodavca",
                                 "datum valute",
                                 "hitno",
                                 "Obrazac broj 3"})
        QVERIFY2(text.find(expected) != std::string::npos, expected);
    const auto info = test::toolOutput("pdfinfo '" + (dir / "nalozi.pdf").string() + "'");
    const auto pages = info.find("Pages:");
    QVERIFY2(pages != std::string::npos, info.c_str());
    QCOMPARE(std::stoi(info.substr(pages + 6)), 2);
}

void PaymentOrderFormTest::longTextsWrapInsideTheirBoxes() {
    auto order = creditorOrder("Udruženje za pomoć zaposlenima u proizvodnji i preradi žitarica "
                               "Srbije",
                               100_din);
    report::Painter painter;
    PrintPaymentOrder(painter, order, 15);
    const auto& page = painter.document().pages.front();
    QVERIFY(page.findText("Udruženje za pomoć zaposlenima u proizvodnji") != nullptr);
    QVERIFY(page.findText("i preradi žitarica Srbije") != nullptr);
}

QTEST_MAIN(PaymentOrderFormTest)
#include "PaymentOrderFormTest.moc"
