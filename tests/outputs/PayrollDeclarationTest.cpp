// The payroll list declared: the rows, their order and income codes, the linked other income,
// the relief of new employees, the special elements of the second payment, and the flags.
#include "outputs/PayrollDeclaration.h"

#include <gtest/gtest.h>

#include "Dinars.h"
#include "PostedSalaries.h"
#include "SampleCompany.h"
#include "TemplateDatabase.h"
#include "TextChecks.h"
#include "XmlSchema.h"
#include "outputs/DeclarationXml.h"

namespace zarion::test {
namespace {

using outputs::Col;
using outputs::Payment;

// A salary of the given gross with 34,221 non-taxable, 10 % tax and the contributions of 2026:
// 14 + 10 % PIO, 5.15 + 5.15 % health, 0.75 % unemployment of the gross.
payroll::SalaryResult salary(const char* gross, const char* tax, const char* pio, const char* pioF,
                             const char* zo, const char* nez, const char* net) {
    payroll::SalaryResult r;
    r.BRUTO = din(gross);
    r.Oslobodjenje = din("34221");
    r.porez_na_zaradu = din(tax);
    r.Doprinosi_PIO = din(pio);
    r.Doprinosi_PIO_F = din(pioF);
    r.Doprinosi_zo = din(zo);
    r.Doprinosi_zo_F = din(zo);
    r.doprinosi_nezaposlenost = din(nez);
    r.NETO = din(net);
    r.broj_sati = 160;
    return r;
}

// April 2026 (22 working days, a fund of 176 hours): Babić (kind 02, a short stored code),
// Ćirić (a new employee with relief), Đorđević (overtime, other income linked to his salary) and
// the owner Vlasnić.
class AprilPayroll : public ::testing::Test {
protected:
    void SetUp() override {
        seed.monthRates(2026, 4, {});
        babić = employee("Babić", "Ivan", "0101990710008", 1234, "1011", "02");
        ćirić = employee("Ćirić", "Žana", "0505985710010", 7, "101101260", "");
        đorđević = employee("Đorđević", "Šćepan", "1505985715016", 7, "", "");
        vlasnić = employee("Vlasnić", "Petar", "2002979710022", 13, "", "", true);
    }
    std::int64_t employee(const char* surname, const char* name, const char* jmbg, int place,
                          const char* code, const char* kind, bool owner = false) {
        const std::int64_t id = seed.employee({.surname = surname,
                                               .name = name,
                                               .jmbg = jmbg,
                                               .owner = owner,
                                               .municipality = place});
        db->run("UPDATE radnici SET sifra_vrste_prihoda = ?, vrsta = ? WHERE id_radnik = ?",
                std::string(code), std::string(kind), id);
        return id;
    }
    void postMonth(CalculationKind kind) {
        seed.salary(kind, babić, 2026, 4,
                    salary("60000", "2577.90", "8400", "6000", "3090", "450", "43922.10"), {}, 21);
        seed.salary(kind, ćirić, 2026, 4,
                    salary("100000", "6577.90", "14000", "10000", "5150", "750", "73522.10"));
        auto overtime = salary("100000", "6577.90", "14000", "10000", "5150", "750", "71000");
        overtime.broj_sati = 168;
        overtime.produzeni_rad_s = 8;
        đorđevićCalc = seed.salary(kind, đorđević, 2026, 4, overtime);
        seed.salary(kind, vlasnić, 2026, 4,
                    salary("200000", "16577.90", "28000", "20000", "10300", "1500", "140000"));
    }
    void linkOtherIncome() {
        db->run("INSERT INTO obracun_ostale_zarade(ID_RADNIK, BRUTO, OSnovica_porez, POrez_iznos, "
                "OSnovica_doprinosi, Doprinosi_PIO, Doprinosi_PIO_F, Doprinosi_zo, "
                "Doprinosi_zo_F, Doprinosi_nez, Doprinosi_nez_F, NETO) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                đorđević, din("10000"), din("8000"), din("800"), din("10000"), din("2000"),
                din("1000"), din("515"), din("515"), din("75"), din("0"), din("6610"));
        db->run("INSERT INTO obracuni_ostale_zarade_veza(ID_obracun, ID_OOz) VALUES (?, ?)",
                đorđevićCalc, db->lastInsertId());
    }
    outputs::DeclarationFill fill(Payment payment, int coefficientPricing = 0) {
        const auto list = outputs::loadPayrollList(*db, {2026, 4, payment, 0});
        EXPECT_TRUE(list) << list.message();
        payroll::Settings settings;
        settings.nacin_obracuna = coefficientPricing;
        outputs::PayrollListProducer producer(*db, *list, settings, [this] {
            ++asked;
            return outputs::ReliefPercentages{70, 100, 0, 0};
        });
        auto filled = producer.fill();
        EXPECT_TRUE(filled) << filled.message();
        return std::move(filled).value();
    }
    static std::vector<std::string> fromJmbg(const outputs::DeclarationRow& row) {
        return {row.texts.begin() + 2, row.texts.end() - 1};
    }

    TemplateDatabase db;
    PostedSalaries seed{*db};
    std::int64_t babić = 0, ćirić = 0, đorđević = 0, vlasnić = 0, đorđevićCalc = 0;
    int asked = 0;
};

TEST_F(AprilPayroll, WholeMonthRowsInListOrderOwnersLastLinkedIncomeTakenOff) {
    postMonth(CalculationKind::Final);
    seed.deduction(db->scalar("SELECT Id_obracun FROM obracuni WHERE ID_RADNIK = ?", babić).value(),
                   false, "Sindikat", din("2500.50"));
    linkOtherIncome();
    const auto f = fill(Payment::Whole);
    ASSERT_EQ(f.rows.size(), 4u);
    using Texts = std::vector<std::string>;
    EXPECT_EQ(
        fromJmbg(f.rows[0]),
        (Texts{"0101990710008", "Babić",    "Ivan",  "234",     "102101000", "21",    "160",
               "176",           "60000.00", "25779", "2577.90", "60000.00",  "14400", "6180",
               "450",           "",         "",      "",        "",          "",      "43922.10",
               "2500.50"}));
    // relieved: 70 % of the tax, all of PIO, nothing of health and unemployment
    EXPECT_EQ(
        fromJmbg(f.rows[1]),
        (Texts{"0505985710010", "Ćirić",     "Žana",  "007",     "101101260", "30",   "160",
               "176",           "100000.00", "65779", "1973.37", "100000.00", "0.00", "10300.00",
               "750.00",        "",          "",      "",        "",          "",     "73522.10",
               "0.00"}));
    // the linked other income is not declared twice
    EXPECT_EQ(
        fromJmbg(f.rows[2]),
        (Texts{"1505985715016", "Đorđević", "Šćepan", "007",     "101101000", "30",    "176",
               "176",           "90000.00", "57779",  "5777.90", "90000.00",  "21000", "9270",
               "675",           "",         "",       "",        "",          "",      "71000.00",
               "0.00"}));
    EXPECT_EQ(fromJmbg(f.rows[3]), (Texts{"2002979710022",
                                          "Vlasnić",
                                          "Petar",
                                          "013",
                                          "103106000",
                                          "30",
                                          "160",
                                          "176",
                                          "200000.00",
                                          "165779",
                                          "16577.90",
                                          "200000.00",
                                          "48000",
                                          "20600",
                                          "1500",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "",
                                          "140000.00",
                                          "0"}));
    EXPECT_EQ(f.rows[3][Col::ID], std::to_string(vlasnić));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(f.advance);
    EXPECT_TRUE(f.finalPart); // linked other income
}

TEST_F(AprilPayroll, FirstPaymentIsAnAdvanceWithoutReliefQuestionWhenNoneIsListed) {
    db->run("UPDATE radnici SET sifra_vrste_prihoda = '' WHERE id_radnik = ?", ćirić);
    postMonth(CalculationKind::Advance);
    const auto f = fill(Payment::First);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(f.advance);
    EXPECT_FALSE(f.finalPart);
    EXPECT_EQ(f.rows[1][Col::SVP], "101101000");
}

TEST_F(AprilPayroll, SecondPaymentCarriesTheFirstPartAsSpecialElements) {
    postMonth(CalculationKind::Final);
    auto first = salary("50000", "1577.90", "7000", "5000", "2575", "375", "36000");
    first.Oslobodjenje = din("40000");
    first.osnovica_doprinosa = din("51297");
    seed.salary(CalculationKind::Advance, babić, 2026, 4, first);

    const auto byHours = fill(Payment::Final);
    EXPECT_TRUE(byHours.finalPart);
    EXPECT_EQ(byHours.rows[0][Col::MFP1], ""); // hour pricing declares no special elements

    const auto f = fill(Payment::Final, 1);
    const auto& b = f.rows[0];
    EXPECT_EQ(b[Col::MFP1], "34221.00"); // the first part's 40,000 capped at the month's 34,221
    EXPECT_EQ(b[Col::MFP2], "51297.00");
    EXPECT_EQ(b[Col::MFP4], "50000.00");
    EXPECT_EQ(b[Col::MFP11], "34221.00");
    EXPECT_EQ(b[Col::MFP12], "111297.00"); // 60,000 + 51,297
    EXPECT_EQ(f.rows[1][Col::MFP12], "");  // Ćirić had no first part

    // the declaration a producer opens, written and valid under the schema
    const outputs::Declaration d = outputs::openDeclaration(
        f, outputs::PayerData{"013", "plate@firma.rs", "4", "1 - Pravno lice"}, sampleCompany(),
        {2026, 5, 8});
    EXPECT_EQ(d.header.POD121, "04 - April");
    EXPECT_EQ(d.header.POD122, "2026");
    EXPECT_EQ(d.rows[3][Col::RBr], "4");
    const std::string xml = outputs::declarationParts(d, {2026, 5, 7}).front();
    EXPECT_EQ(schemaErrors(ZARION_PPPPD_XSD, xml), std::vector<std::string>{});
    expectContains(xml, {"<ns1:NazivPrezimeIme>Scepanovic i sinovi d.o.o.</ns1:NazivPrezimeIme>",
                         "<ns1:UlicaIBroj>Djure Djakovica 12</ns1:UlicaIBroj>",
                         "<ns1:Prezime>Djordjevic</ns1:Prezime>\r\n<ns1:Ime>Scepan</ns1:Ime>"});
}

} // namespace
} // namespace zarion::test
