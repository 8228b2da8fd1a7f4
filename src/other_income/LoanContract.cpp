#include "other_income/LoanContract.h"

#include "core/Text.h"
#include "report/Painter.h"

namespace zarion::other_income {
namespace {

constexpr double Left = 25;
constexpr double Middle = 105;
constexpr double Line = 6;

// Prints the lines one under the other from y and returns the y below the last.
double paragraph(report::Painter& p, std::initializer_list<std::string> lines, double y) {
    for (const std::string& line : lines) {
        p.PrintLeft(line, Left, y);
        y += Line;
    }
    return y;
}

double article(report::Painter& p, int number, std::initializer_list<std::string> lines, double y) {
    p.setFontBold(true);
    p.PrintCentered("^lan "_yu + std::to_string(number) + ".", Middle, y + 3);
    p.setFontBold(false);
    return paragraph(p, lines, y + 3 + Line + 1);
}

} // namespace

std::string competentCourt(db::Database& payrollDb) {
    db::Statement st = payrollDb.prepare("SELECT nadlezni_sud FROM parametri_vlasnik LIMIT 1");
    return st.step() ? trim(st.text(0)) : std::string();
}

report::Document loanContractDocument(const report::CompanyData& company, const std::string& court,
                                      const Date& day) {
    const std::string name = trim(company.Naziv);
    const std::string town = trim(company.grad);
    const std::string owner = trim(company.vlasnik);
    report::Painter p(report::Orientation::Portrait, "UGOVOR O KRATKORO^NOM ZAJMU"_yu);
    p.setFont("yuoptimar", 14, true);
    p.PrintCentered("UGOVOR O KRATKORO^NOM ZAJMU"_yu, Middle, 30);
    p.setFont("yuoptimar", 11);
    double y = paragraph(
        p, {"Ugovor o kratkoro~nom zajmu zaklju~en dana "_yu + toDisplayText(day) + ", izme|u:"_yu},
        48);
    y = paragraph(p,
                  {"1. " + owner + " iz " + town + ",", "vlasnika preduze}a "_yu + name + ",",
                   "(u daljem tekstu zajmodavac)"},
                  y + 3);
    y = paragraph(p, {"i"}, y + 1);
    y = paragraph(p,
                  {"2. " + name + ", " + town + ", PIB: " + trim(company.PIB) +
                       ", Mat.broj: " + trim(company.maticni) + ",",
                   "(u daljem tekstu zajmoprimalac)"},
                  y + 1);
    y = article(
        p, 1,
        {"Zajmodavac daje zajmoprimaocu kratkoro~ni zajam u iznosu od ___________ dinara"_yu,
         "za potrebe redovnog poslovanja."},
        y + 4);
    y = article(
        p, 2,
        {"Zajmoprimalac se obavezuje da primljeni zajam vrati zajmodavcu u roku od godinu"_yu,
         "dana od dana zaklju~enja ovog ugovora, bez kamate."_yu},
        y + 2);
    y = article(p, 3,
                {"Ugovor je sa~injen u tri istovetna primerka, od kojih svaka strana zadr`ava"_yu,
                 "po jedan, i stupa na snagu danom potpisivanja."},
                y + 2);
    y = article(p, 4,
                {"U slu~aju spora nadle`an je "_yu +
                 (court.empty() ? std::string("________________________________") : court) + "."},
                y + 2);

    y += 22;
    p.PrintCentered("ZAJMOPRIMALAC", 55, y);
    p.PrintCentered("ZAJMODAVAC", 155, y);
    p.HLine(25, 85, y + 18);
    p.HLine(125, 185, y + 18);
    p.setFontSize(9);
    p.PrintCentered(name, 55, y + 20);
    p.PrintCentered(owner, 155, y + 20);
    return p.take();
}

Outcome<report::Document> loanContract(db::Database& payrollDb, db::Database* companyMaster,
                                       const Date& day) {
    const auto company = companyMaster ? report::readCompanyData(*companyMaster)
                                       : std::optional<report::CompanyData>{};
    if (!company)
        return warning("Niste uneli podatke o firmi!");
    return loanContractDocument(*company, competentCourt(payrollDb), day);
}

} // namespace zarion::other_income
