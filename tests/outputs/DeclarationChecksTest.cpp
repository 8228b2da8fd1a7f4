// The checks before the return leaves: what they find on a sound return and on the faults the
// portal would refuse, errors apart from warnings.
#include "outputs/DeclarationChecks.h"

#include <gtest/gtest.h>

#include "SampleDeclaration.h"

namespace zarion::test {
namespace {

using outputs::Col;
using outputs::Declaration;
using outputs::DeclarationFinding;

// March 2026: 10 % tax; 14 + 10, 5.15 + 5.15 and 0.75 + 0 % contributions; bases 51,297 to
// 732,820.
const outputs::DeclarationRates Rates = {
    10, 24, 10.3, 0.75, Currency::parse("51297"), Currency::parse("732820")};
const std::set<long long> Municipalities = {7, 13, 234};

Declaration sound() {
    Declaration d;
    d.header = marchHeader();
    d.rows = {regularSalary(), lowestBaseSalary()};
    d.rows[0][Col::BrojEfektivnihSati] = "168";
    return d;
}

std::vector<std::string> lines(const Declaration& d, const outputs::DeclarationTotals& stated) {
    std::vector<std::string> out;
    for (const DeclarationFinding& f : outputs::checkDeclaration(d, Rates, Municipalities, stated))
        out.push_back(outputs::findingLine(d, f));
    return out;
}

std::vector<std::string> lines(const Declaration& d) {
    return lines(d, outputs::checkedTotals(d.rows));
}

TEST(DeclarationChecks, SoundReturnPasses) {
    EXPECT_EQ(lines(sound()), std::vector<std::string>{});
}

TEST(DeclarationChecks, RowFaultsAreErrorsNamedByRow) {
    Declaration d = sound();
    d.rows[0][Col::IdentifikatorPrimaoca] = "0101990710009"; // control digit should be 8
    d.rows[0][Col::OznakaPrebivalista] = "099";
    d.rows[1][Col::Porez] = "1578.95"; // one dinar above 15,779.50 × 10 %
    d.rows[1][Col::SVP] = "10110100";
    EXPECT_EQ(lines(d),
              (std::vector<std::string>{
                  "Red 1 (Đurić Željko) GREŠKA: JMBG (0101990710009) nema ispravnu kontrolnu "
                  "cifru",
                  "Red 1 (Đurić Željko) GREŠKA: Opština prebivališta (099) nije u šifarniku "
                  "opština",
                  "Red 2 (Šaković Ana) GREŠKA: Šifra vrste prihoda (10110100) nema 9 cifara",
                  "Red 2 (Šaković Ana) GREŠKA: Porez (1578.95) nije osnovica poreza × 10 % "
                  "(1577.95)"}));
    const auto findings =
        outputs::checkDeclaration(d, Rates, Municipalities, outputs::checkedTotals(d.rows));
    EXPECT_TRUE(outputs::hasErrors(findings));
}

TEST(DeclarationChecks, DifferencesUpToHalfADinarPass) {
    Declaration d = sound();
    d.rows[1][Col::Porez] = "1578.45"; // 0.50 above
    d.rows[1][Col::PIO] = "12310.78";  // 0.50 below
    d.rows[0][Col::Porez] = "6577.39"; // 0.51 below
    EXPECT_EQ(lines(d), (std::vector<std::string>{
                            "Red 1 (Đurić Željko) GREŠKA: Porez (6577.39) nije osnovica "
                            "poreza × 10 % (6577.90)"}));
}

TEST(DeclarationChecks, TotalsThatDoNotAddUpAreAnError) {
    const Declaration d = sound();
    outputs::DeclarationTotals stated = outputs::checkedTotals(d.rows);
    stated.sums[2] += Currency::parse("1"); // tax 8,155.85 stated as 8,156.85
    EXPECT_EQ(lines(d, stated),
              (std::vector<std::string>{
                  "Zaglavlje GREŠKA: Ukupno Porez (8156.85) nije jednako zbiru redova (8155.85)"}));
}

TEST(DeclarationChecks, HoursAboveTheFundReliefAndBasesOutsideTheMonthAreWarnings) {
    Declaration d = sound();
    d.rows[0][Col::BrojEfektivnihSati] = "184";
    d.rows[1][Col::SVP] = "101101260"; // a relief lowers the tax on purpose
    d.rows[1][Col::Porez] = "0";
    d.rows[0][Col::OsnovicaDoprinosi] = "800000";
    d.rows[0][Col::PIO] = "192000";
    d.rows[0][Col::ZDR] = "82400";
    d.rows[0][Col::NEZ] = "6000";
    d.rows.push_back(d.rows[1]);
    d.rows.back().checked = false; // unchecked rows are not looked at
    d.rows.back()[Col::IdentifikatorPrimaoca] = "x";
    const auto findings =
        outputs::checkDeclaration(d, Rates, Municipalities, outputs::checkedTotals(d.rows));
    EXPECT_FALSE(outputs::hasErrors(findings));
    EXPECT_EQ(lines(d),
              (std::vector<std::string>{
                  "Red 1 (Đurić Željko) UPOZORENJE: Broj sati (184) je veći od fonda sati "
                  "(168); prijavljuje se fond sati",
                  "Red 1 (Đurić Željko) UPOZORENJE: Osnovica doprinosa (800000.00) je iznad "
                  "najviše osnovice (732820.00)",
                  "Red 2 (Šaković Ana) UPOZORENJE: Porez (0) nije osnovica poreza × 10 % "
                  "(1577.95)"}));
}

TEST(DeclarationChecks, HeaderAndAmountFormsAndAnEmptyReturn) {
    Declaration d = sound();
    d.header.POD22 = "10123456";
    d.header.POD27 = "";
    d.rows[0][Col::Bruto] = "100.000,00";
    d.rows[0][Col::IdentifikatorPrimaoca] = "010199071000";
    for (auto& row : d.rows)
        row.checked = false;
    d.rows[0].checked = true;
    EXPECT_EQ(lines(d),
              (std::vector<std::string>{
                  "Zaglavlje GREŠKA: PIB isplatioca nema 9 cifara",
                  "Zaglavlje GREŠKA: Sedište isplatioca () nije u šifarniku opština",
                  "Red 1 (Đurić Željko) GREŠKA: JMBG (010199071000) nema 13 cifara",
                  "Red 1 (Đurić Željko) GREŠKA: BRUTO (100.000,00) nije iznos sa tačkom pred "
                  "decimalama"}));
    d.rows[0].checked = false;
    EXPECT_EQ(lines(d).back(), "Zaglavlje GREŠKA: Nijedan red nije označen");
}

} // namespace
} // namespace zarion::test
