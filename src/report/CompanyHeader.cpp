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

void PrintHeader(Painter& painter, const CompanyData& company,
                 const std::filesystem::path& logoPath) {
    painter.setFontName("yuoptimar");
    if (!logoPath.empty())
        painter.PaintPicture(logoPath, LogoX, LogoY, LogoWidth, LogoHeight);

    // Centred on 160 mm; a line too long for that ends at the rules' right end instead.
    const auto line = [&painter](const std::string& text, double y) {
        painter.PrintCenteredWithin(text, TextCentre, y, RuleRight);
    };
    painter.setFontSize(10);
    line(company.Naziv, 7);
    painter.setFontSize(8);
    line(company.ADRESA + " - " + company.grad, 12);
    line("mati~ni br: "_yu + company.maticni + ", registracioni br: " + company.registracioni, 16);
    line("[ifra delatnosti: "_yu + company.SIFRA, 20);
    line("PIB: " + company.PIB + ", PDV: " + company.pdv, 24);
    line("@iro ra~un: "_yu + company.ziroracun + " " + company.banka, 28);

    painter.setDrawWidth(7);
    painter.HLine(RuleLeft, RuleRight, 36);
    painter.setDrawWidth(1);
    painter.HLine(RuleLeft, RuleRight, 35);
}

} // namespace zarion::report
