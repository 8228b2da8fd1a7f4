#include "employees/LoanOverviewReports.h"

#include <cstdio>

#include "core/Text.h"
#include "employees/DeductionDefinitions.h"
#include "report/ListFlow.h"

namespace zarion::employees {
namespace {

using report::Align;
using report::ListColumn;
using report::ListFlow;
using report::Painter;

constexpr double SignatureBlockHeight = 40;

std::vector<ListColumn> loanColumns() {
    return {{20, Align::Right, {"Red.broj"_yu}},
            {24, Align::Left, {"Prezime i ime"_yu}},
            {100, Align::Right, {"IZNOS RATE"_yu}},
            {106, Align::Left, {"Period za otplatu"_yu}},
            {168, Align::Right, {"Uk.vred.", "kredita"}},
            {200, Align::Right, {"Preostalo", "za uplatu"}}};
}

std::vector<ListColumn> otherColumns() {
    return {{20, Align::Right, {"Red.broj"_yu}},
            {24, Align::Left, {"Prezime i ime"_yu}},
            {95, Align::Left, {"Opis"_yu}},
            {200, Align::Right, {"IZNOS"_yu}}};
}

// Place and date, the three signature lines and the closing request.
void signatureBlock(ListFlow& list, const OverviewPrint& print) {
    Painter& p = list.painter();
    const double y = list.reserve(SignatureBlockHeight) + 8;
    p.setFont("yuoptimar", 9);
    p.PrintLeft(print.place + ", " + toDisplayText(print.date), 10, y);
    const char* const signatures[] = {"Obra~unao:", "[ef ra~unovodstva:", "Direktor:"};
    double x = 10;
    for (const char* caption : signatures) {
        p.PrintLeft(yuscii(caption), x, y + 10);
        p.HLine(x, x + 55, y + 20);
        x += 65;
    }
    p.setFont("yuoptimar", 8);
    p.PrintLeft("Molimo Vas da sve nepravilnosti u pogledu spiska dostavite u roku od 15 dana "
                "radi blagovremene korekcije."_yu,
                10, y + 26);
    list.moveTo(y + SignatureBlockHeight - 8);
}

std::string monthYear(const OverviewPeriod& period) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%d", period.month, period.year);
    return text;
}

} // namespace

report::Document CreditorPaymentList(const OverviewPrint& print, const CreditorTotal& creditor,
                                     const std::vector<CreditorPayment>& payments) {
    const bool loans = creditor.Tip == static_cast<int>(DeductionType::Loan);
    const std::string title =
        loans ? "Spisak upla}enih obaveza po kreditima"_yu : "Spisak upla}enih obaveza"_yu;
    Painter p(report::Orientation::Portrait, title);
    report::PrintHeader(p, print.company, print.logo);
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered(title, 105, 41);
    p.setFont("yuoptimar", 10);
    p.PrintCentered(creditor.obustava + " - " + creditor.tekuci_Racun, 105, 48);
    p.PrintCentered(paymentHeading(print.period), 105, 53);

    p.setFont("yuoptimar", 9);
    ListFlow list(p, loans ? loanColumns() : otherColumns(), report::ListLayout{});
    list.start(60);
    Currency total;
    int number = 0;
    for (const CreditorPayment& payment : payments) {
        const std::string ordinal = std::to_string(++number) + ".";
        if (loans)
            list.row({ordinal, payment.name, payment.amount, payment.period, payment.loanValue,
                      payment.remaining});
        else
            list.row({ordinal, payment.name, payment.Opis, payment.amount});
        total += payment.amount;
    }
    list.rule();
    p.setFontBold(true);
    if (loans)
        list.row({std::string(), "UKUPNO"_yu, total});
    else
        list.row({std::string(), "UKUPNO"_yu, std::string(), total});
    p.setFontBold(false);
    signatureBlock(list, print);
    list.finish();
    return p.take();
}

Payer loadPayer(db::Database& payrollDb, db::Database& masterDb) {
    Payer payer;
    if (const auto company = report::readCompanyData(masterDb))
        payer.name = company->Naziv;
    auto st = payrollDb.prepare("SELECT racun_za_isplatu, opstina FROM parametri2 LIMIT 1");
    if (st.step()) {
        payer.account = st.text(0);
        payer.place = st.text(1);
    }
    return payer;
}

std::vector<PaymentOrder> creditorPaymentOrders(const Payer& payer,
                                                const std::vector<CreditorTotal>& creditors,
                                                const OverviewPeriod& period, const Date& date) {
    std::vector<PaymentOrder> orders;
    for (const CreditorTotal& creditor : creditors) {
        PaymentOrder order;
        order.payer = payer.name;
        order.purpose = "Obustave iz LD za "_yu + monthYear(period);
        order.recipient = creditor.obustava;
        order.paymentCode = "246";
        order.amount = creditor.total;
        order.payerAccount = payer.account;
        order.recipientAccount = creditor.tekuci_Racun;
        order.recipientModel = creditor.poziv.empty() ? std::string() : "97";
        order.recipientReference = creditor.poziv;
        order.place = payer.place;
        order.date = date;
        orders.push_back(std::move(order));
    }
    return orders;
}

} // namespace zarion::employees
