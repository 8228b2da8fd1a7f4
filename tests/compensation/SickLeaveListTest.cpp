// The month's sick-leave list and what is made from it: the printouts, the bank list, the payment
// orders and the PPP-PD rows, on a database with two posted compensations.
#include "compensation/SickLeaveList.h"

#include <gtest/gtest.h>

#include "LeaveRates.h"
#include "PostedSalaries.h"
#include "SampleCompany.h"
#include "TemplateDatabase.h"
#include "XmlSchema.h"
#include "compensation/SickLeaveDeclaration.h"
#include "compensation/SickLeavePosting.h"
#include "compensation/SickLeaveReports.h"
#include "outputs/DeclarationChecks.h"
#include "outputs/DeclarationXml.h"
#include "outputs/PaymentOrders.h"
#include "outputs/PayrollDeclaration.h"

namespace zarion::compensation {
namespace {

using outputs::Col;

bool printed(const report::Document& document, const std::string& text) {
    for (const report::Page& page : document.pages)
        if (page.findText(text))
            return true;
    return false;
}

// March 2026 at the tests' rates: Zorić on leave
// the whole month at 100,000 net (solidarity on: 8,000), Anić half the month at 25,000 in
// another unit.
class SickLeaveList : public ::testing::Test {
protected:
    SickLeaveList() {
        const payroll::MonthParameters r = test::leaveRates();
        seed.monthRates(2026, 3, r);
        db->run("INSERT INTO banke (ID_BAnka, banka, tekuci_Racun) VALUES (1, 'Intesa', '160')");
        db->run("INSERT INTO parametri2 (racun_za_isplatu, racun_za_isplatu_bolovanje, "
                "racun_porez_na_plate, racun_pio) VALUES ('205-1-11', '205-9-99', '840-1', "
                "'840-2')");
        post(zoric, 100000_din, 176, true, r);
        post(anic, 25000_din, 88, false, r);
    }

    void post(std::int64_t id, Currency net, double hours, bool solidarity,
              const payroll::MonthParameters& r) {
        auto a = leaveFromNet(net, {hours, 176, solidarity}, r);
        a->tekuci_Racun = "160-00000000" + std::to_string(id) + "-11";
        ASSERT_FALSE(postLeave(*db, LeaveKind::SickLeave, id, 2026, 3, *a));
    }

    outputs::PayrollList list(std::int64_t unit = 0) {
        auto loaded = loadLeaveList(*db, LeaveKind::SickLeave, {2026, 3, {}, unit});
        EXPECT_TRUE(loaded.ok());
        return std::move(loaded).value();
    }

    test::TemplateDatabase db;
    test::PostedSalaries seed{*db};
    std::int64_t unit2 = seed.unit("Magacin");
    std::int64_t zoric = seed.employee({.surname = "Zorić",
                                        .name = "Zoran",
                                        .jmbg = "0101990710016",
                                        .bank = 1,
                                        .municipality = 13});
    std::int64_t anic = seed.employee({.surname = "Anić",
                                       .name = "Ana",
                                       .jmbg = "0202985715019",
                                       .unit = unit2,
                                       .municipality = 13});
};

TEST_F(SickLeaveList, ListsTheMonthsCompensationsByUnitWithTheirTotals) {
    const outputs::PayrollList all = list();
    ASSERT_EQ(all.employees.size(), 2u);
    EXPECT_EQ(all.employees[0].fullName(), "Anić Ana");
    EXPECT_EQ(all.employees[1].calc.solidarni_porez, 8000_din);
    EXPECT_EQ(all.totals.NETO, 125000_din);
    EXPECT_EQ(all.totals.toPay, 117000_din); // less Zorić's 8,000 solidarity deduction
    EXPECT_EQ(all.totals.porez_na_zaradu, 2138.02_din + 11408.70_din);
    const outputs::PayrollList magacin = list(unit2);
    ASSERT_EQ(magacin.employees.size(), 1u);
    EXPECT_EQ(magacin.unitName, "Magacin");
    // maternity rows are not sick leave
    EXPECT_TRUE(loadLeaveList(*db, LeaveKind::Maternity, {2026, 3, {}, 0})->employees.empty());
    EXPECT_FALSE(loadLeaveList(*db, LeaveKind::SickLeave, {2026, 4, {}, 0}).ok());
}

TEST_F(SickLeaveList, PrintsTheRecordThePaymentListThePayslipsAndTheRecapitulation) {
    const outputs::PayrollList l = list();
    const outputs::ListPrint print;
    const auto record = leaveRegister(print, l, LeaveKind::SickLeave);
    EXPECT_TRUE(printed(record, "MESEČNA EVIDENCIJA O ZARADI I NAKNADI ZARADA: 3/2026"));
    EXPECT_TRUE(printed(record, "Radnici koji se nalaze na bolovanju preko 30 dana"));
    const auto payment = leavePaymentList(print, l, LeaveKind::SickLeave);
    EXPECT_TRUE(printed(payment, "SPISAK ZA ISPLATU NAKNADA ZARADA: 03/2026"));
    EXPECT_TRUE(printed(payment, "92.000,00")); // 100,000 less 8,000
    EXPECT_TRUE(printed(payment, "117.000,00"));
    const auto slips = leavePayslips(print, l, LeaveKind::SickLeave, {&l.employees[0]});
    EXPECT_TRUE(printed(slips, "Naknada zarade za vreme bolovanja preko 30 dana"));
    EXPECT_TRUE(printed(slips, "33.880,17"));
    const auto recaps = accountRecaps(*db, 2026, 3);
    ASSERT_EQ(recaps.size(), 2u);
    EXPECT_EQ(recaps[0].account, "205-9-99");
    EXPECT_EQ(recaps[0].count, 2);
    EXPECT_EQ(recaps[1].count, 0);
    EXPECT_TRUE(printed(accountRecapReport(print, 2026, 3, recaps), "2 - PORODILJSKO BOLOVANJE"));
    EXPECT_TRUE(printed(leaveTaxSpecification(*db, print, l), "Novi Beograd"));
}

TEST_F(SickLeaveList, PaysTheNetLessSolidarityThroughTheBanks) {
    const auto loaded = leaveBankList(*db, LeaveKind::SickLeave, 2026, 3);
    ASSERT_TRUE(loaded.ok());
    const outputs::BankList& banks = *loaded;
    ASSERT_EQ(banks.banks.size(), 2u);
    EXPECT_EQ(banks.banks[0].bank, "Intesa");
    EXPECT_EQ(banks.banks[0].total, 92000_din);
    EXPECT_EQ(banks.banks[1].bank, "**** NEMA DODELJENU BANKU ****");
    EXPECT_EQ(banks.payout, "Isplata: 03/2026 - Bolovanje preko 30 dana");
}

TEST_F(SickLeaveList, OrdersTheTaxAndContributionsFromTheSickLeaveAccount) {
    const outputs::PayrollList l = list();
    ASSERT_TRUE(outputs::revenueOrders(*db, nullptr, l.totals, leavePurpose(2026, 3),
                                       "racun_za_isplatu_bolovanje"));
    const auto orders = outputs::loadOrders(*db);
    ASSERT_EQ(orders.size(), 7u);
    EXPECT_EQ(orders[0].poverilac, "Porez na zarade");
    EXPECT_EQ(orders[0].Iznos, 13546.72_din);
    EXPECT_EQ(orders[0].racun_duznika, "205-9-99");
    EXPECT_EQ(orders[0].racun_poverioca, "840-1");
    EXPECT_EQ(orders[0].SVRHA, "Naknada zarade za: 03 2026");
    EXPECT_EQ(orders[1].racun_poverioca, "840-2");
}

// Zorić: gross = (100,000 × 100 − 25,000 × 10) / 70.1 = 139,087.0185; tax 11,408.70;
// contributions (14 + 10) % = 33,380.88, (5.15 + 5.15) % = 14,325.96, 0.75 % = 1,043.15.
TEST_F(SickLeaveList, DeclaresEachCompensationUnderTheSickLeaveCode) {
    const outputs::PayrollList l = list();
    const payroll::Settings settings;
    LeaveListProducer producer(l, LeaveKind::SickLeave, settings);
    const auto fill = producer.fill();
    ASSERT_TRUE(fill.ok());
    ASSERT_EQ(fill->rows.size(), 2u);
    const outputs::DeclarationRow& z = fill->rows[1];
    EXPECT_EQ(z[Col::SVP], "101204000");
    EXPECT_EQ(z[Col::OznakaPrebivalista], "013");
    EXPECT_EQ(z[Col::BrojEfektivnihSati], "176");
    EXPECT_EQ(z[Col::MesecniFondSati], "176");
    EXPECT_EQ(z[Col::Bruto], "139087.02");
    EXPECT_EQ(z[Col::OsnovicaPorez], "114087.02");
    EXPECT_EQ(z[Col::Porez], "11408.70");
    EXPECT_EQ(z[Col::OsnovicaDoprinosi], "139087.02");
    EXPECT_EQ(z[Col::PIO], "33380.88");
    EXPECT_EQ(z[Col::ZDR], "14325.96");
    EXPECT_EQ(z[Col::NEZ], "1043.15");
    EXPECT_EQ(z.toPay(), 92000_din);
    EXPECT_EQ(leaveIncomeCode(LeaveKind::Maternity), "101206000");

    const outputs::Declaration d = outputs::openDeclaration(
        *fill, outputs::PayerData{"013", "plate@firma.rs", "2", "1 - Pravno lice"},
        test::sampleCompany(), {2026, 4, 8});
    const auto findings =
        outputs::checkDeclaration(d, outputs::salaryRates(l.rates), outputs::municipalityCodes(*db),
                                  outputs::checkedTotals(d.rows));
    for (const auto& f : findings)
        EXPECT_NE(f.severity, outputs::DeclarationFinding::Severity::Error)
            << outputs::findingLine(d, f);
    EXPECT_EQ(test::schemaErrors(ZARION_PPPPD_XSD, outputs::declarationParts(d, {2026, 4, 7})[0]),
              std::vector<std::string>{});
}

} // namespace
} // namespace zarion::compensation
