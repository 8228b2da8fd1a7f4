#include <algorithm>
#include <gtest/gtest.h>

#include "Dinars.h"
#include "outputs/AnnualReturnReport.h"
#include "outputs/M4Report.h"
#include "outputs/TreasuryReport.h"

namespace zarion::outputs {
namespace {

using test::din;

bool has(const report::Document& document, const std::string& text) {
    return std::any_of(document.pages.begin(), document.pages.end(),
                       [&](const report::Page& page) { return page.findText(text); });
}

report::CompanyData company() {
    report::CompanyData data;
    data.Naziv = "Žitopromet d.o.o.";
    data.PIB = "101234567";
    return data;
}

TEST(AnnualPrints, M4kCarriesThePayerTheRowsAndTheirTotals) {
    const std::vector<M4Row> rows{
        {1, "1505985715016", "Šarić Ana", 3, 10, din("240000"), din("57600"), din("90000"),
         din("21600")},
        {2, "0101990710011", "Petrović Marko", 9, 0, din("10000.55"), din("2400"), {}, {}}};
    const report::Document form = m4kForm({company(), "6113482750"}, 2026, rows);
    for (const char* text :
         {"Obrazac M-4K", "6113482750", "101234567", "Žitopromet d.o.o.",
          "I VISINE UPLAĆENOG DOPRINOSA ZA VIŠE LICA ZA 2026 GODINU", "Šarić Ana", "UKUPNO:", "12",
          "10", "250.000,55", "60.000,00", "Podnosilac prijave"})
        EXPECT_TRUE(has(form, text)) << text;
}

// Amounts in whole dinars, each part with its own total, part IV without rows.
TEST(AnnualPrints, PppShowsBothPartsInWholeDinars) {
    AnnualReturn annual;
    ReturnRow row;
    row.Ime = "Ana";
    row.Prezime = "Šarić";
    row.BRUTO = din("1234.56");
    row.Porez = din("99.49");
    annual.employed = {row, row};
    const report::Document form = pppForm(company(), 2026, annual);
    for (const char* text :
         {"ZA 2026 GODINU", "Šarić Ana", "1.235", "2.469", "99", "199",
          "III. PODACI O PRIMAOCIMA PRIHODA VAN RADNOG ODNOSA - FIZIČKIM LICIMA",
          "IV. PODACI O PRIMAOCIMA PRIHODA - PRAVNIM LICIMA", "Potvrda o prijemu prijave:"})
        EXPECT_TRUE(has(form, text)) << text;
    EXPECT_TRUE(has(form, "2")) << "the number of recipients";
}

TEST(AnnualPrints, TreasuryRequestTotalsItsTransfers) {
    TreasuryPayment payment;
    payment.amount = din("1500.25");
    payment.purpose = "Zarada-03-2026";
    const report::Document request =
        treasuryRequest({company(), "12345", "000042", {2026, 4, 2}}, {payment, payment});
    for (const char* text : {"ZAHTEV ZA PLAĆANJE BEZ PREUZETE OBAVEZE", "3.000,50", "02.04.2026",
                             "000042", "Zahtev odbijen"})
        EXPECT_TRUE(has(request, text)) << text;
}

} // namespace
} // namespace zarion::outputs
