#include "report/CompanyHeader.h"

#include "core/Text.h"

namespace zarion::report {

namespace {
// The logo's place and size were given in twips, 56.7 to the millimetre.
constexpr double TwipsPerMm = 56.7;
constexpr double LogoX = 567 / TwipsPerMm;
constexpr double LogoY = 680.4 / TwipsPerMm;
constexpr double LogoWidth = 4377.807 / TwipsPerMm;
constexpr double LogoHeight = 1190.7 / TwipsPerMm;

constexpr double TextCentre = 160;
constexpr double RuleLeft = 5;
constexpr double RuleRight = 200;
} // namespace

std::optional<CompanyData> readCompanyData(db::Database& masterDb) {
    db::Statement st = masterDb.prepare("SELECT * FROM podaci ORDER BY rowid LIMIT 1");
    if (!st.step())
        return std::nullopt;
    CompanyData company;
    company.Naziv = st.text("Naziv");
    company.ADRESA = st.text("ADRESA");
    company.grad = st.text("grad");
    company.PIB = st.text("PIB");
    company.maticni = st.text("maticni");
    company.registracioni = st.text("registracioni");
    company.SIFRA = st.text("SIFRA");
    company.pdv = st.text("pdv");
    company.ziroracun = st.text("ziroracun");
    company.banka = st.text("banka");
    company.telefon = st.text("telefon");
    company.JMBG = st.text("JMBG");
    company.vlasnik = st.text("vlasnik");
    return company;
}

void PrintHeader(Painter& painter, const CompanyData& company,
                 const std::filesystem::path& logoPath) {
    painter.setFontName("yuoptimar");
    if (!logoPath.empty())
        painter.PaintPicture(logoPath, LogoX, LogoY, LogoWidth, LogoHeight);

    painter.setFontSize(10);
    painter.PrintCentered(company.Naziv, TextCentre, 7);
    painter.setFontSize(8);
    painter.PrintCentered(company.ADRESA + " - " + company.grad, TextCentre, 12);
    painter.PrintCentered("mati~ni br: "_yu + company.maticni +
                              ", registracioni br: " + company.registracioni,
                          TextCentre, 16);
    painter.PrintCentered("[ifra delatnosti: "_yu + company.SIFRA, TextCentre, 20);
    painter.PrintCentered("PIB: " + company.PIB + ", PDV: " + company.pdv, TextCentre, 24);
    painter.PrintCentered("@iro ra~un: "_yu + company.ziroracun + " " + company.banka, TextCentre,
                          28);

    painter.setDrawWidth(7);
    painter.HLine(RuleLeft, RuleRight, 36);
    painter.setDrawWidth(1);
    painter.HLine(RuleLeft, RuleRight, 35);
}

} // namespace zarion::report
