#include "parameters/PaperReturns.h"

#include <algorithm>

#include "core/NumericText.h"
#include "core/Text.h"
#include "parameters/ReturnFigures.h"

namespace zarion::parameters {
namespace {

// A description longer than this is printed on two lines of the form.
constexpr std::size_t OneLineCharacters = 62;

// "10" or "5,15": a rate as the forms print it.
std::string percent(double rate) {
    std::string text = shortestDecimal(rate);
    std::replace(text.begin(), text.end(), '.', ',');
    return text + "%";
}

ReturnRow heading(const char* number, std::string description) {
    ReturnRow row;
    row.number = number;
    row.description = std::move(description);
    row.locked = true;
    return row;
}

ReturnRow line(const char* number, std::string description, bool hasCount, std::string aop = {},
               std::string account = {}) {
    ReturnRow row;
    row.number = number;
    row.description = std::move(description);
    row.aop = std::move(aop);
    row.account = std::move(account);
    row.hasCount = hasCount;
    row.twoLines = row.description.size() > OneLineCharacters;
    return row;
}

std::vector<std::string> compensationHeadings() {
    return {"Naknade za porodiljsko", "Naknade za bolovanje", "Naknade za invalidnost"};
}

// The rows of the salary-tax return; the counts are those of employees where `withCounts`.
ReturnGrid taxReturn(const TaxReturnInput& input, std::vector<std::string> headings,
                     bool withCounts) {
    std::vector<ReturnRow> rows = {
        heading("I", "OBRA^UN POREZA NA ZARADE"_yu),
        line("1.", "Ispla}ena zarada zaposlenima - osnovica poreza (~l.13.st1.Zakona)"_yu,
             withCounts),
        line("2.", "Neoporezivi iznos zarade (~l.15a st.2 Zakona)"_yu, withCounts),
        line("3.", "Oporezivi iznos zarade - osnovica poreza (1-2)"_yu, withCounts),
        line("4.", "Oporezivi iznos ispla}en uz zaradu po drugom osnovu"_yu, withCounts),
        line("5.", "Obra~unati porez na zarade zaposlenih (3+4)x"_yu + percent(input.taxRate),
             withCounts),
        line("6.", "Umanjenje poreza po osnovu poreskih podsticaja"_yu, withCounts),
        line("7.", "Porez pla}en uz akontaciju zarade"_yu, withCounts),
        line("8.", "Pla}eni porez na zarade zaposlenih (5-6-7)"_yu, withCounts),
    };
    std::vector<Derivation> derivations = {
        {"3.", {{"1.", 1}, {"2.", -1}}},
        {"5.", {{"3.", 1}, {"4.", 1}}, input.taxRate},
        {"8.", {{"5.", 1}, {"6.", -1}, {"7.", -1}}},
    };
    ReturnGrid grid(std::move(headings), std::move(rows), std::move(derivations));

    const auto column = [&](Currency TaxFigures::*field) {
        std::vector<Currency> amounts;
        for (const TaxFigures& figures : input.columns)
            amounts.push_back(figures.*field);
        return amounts;
    };
    grid.fill("1.", input.persons, column(&TaxFigures::paid));
    grid.fill("2.", input.persons, column(&TaxFigures::nonTaxable));
    grid.fill("4.", column(&TaxFigures::otherBase));
    grid.fill("6.", column(&TaxFigures::reliefs));
    grid.fill("7.", column(&TaxFigures::paidEarlier));
    return grid;
}

ReturnGrid contributionReturn(const std::vector<ContributionFigures>& columns,
                              const ContributionRates& rates, const ContributionAccounts& accounts,
                              std::vector<std::string> headings, bool firstColumnIsTotal) {
    const auto contribution = [](const std::string& kind, const char* side, double rate) {
        return "Doprinos za " + kind + " na teret " + side + " (1 x " + percent(rate) + ")";
    };
    std::vector<ReturnRow> rows = {
        heading("I", "OBRA^UN DOPRINOSA"_yu),
        line("1.", "Osnovica za obra~un doprinosa"_yu, true, "01"),
        line("2.", contribution("PIO", "zaposlenog", rates.pio), false, "02", accounts.pio),
        line("3.", contribution("PIO", "poslodavca", rates.pioFirma), false, "03",
             accounts.pioFirma),
        line("4.", "Ukupno doprinos za PIO (2+3)", false, "04"),
        line("5.", contribution("zdravstveno osiguranje", "zaposlenog", rates.zo), false, "05",
             accounts.zo),
        line("6.", contribution("zdravstveno osiguranje", "poslodavca", rates.zoFirma), false, "06",
             accounts.zoFirma),
        line("7.", "Ukupno doprinos za zdravstveno osiguranje (5+6)", false, "07"),
        line("8.", contribution("osiguranje za slu~aj nezaposlenosti"_yu, "zaposlenog", rates.nez),
             false, "08", accounts.nez),
        line("9.",
             contribution("osiguranje za slu~aj nezaposlenosti"_yu, "poslodavca", rates.nezFirma),
             false, "09", accounts.nezFirma),
        line("10.", "Ukupno doprinos za osiguranje za slu~aj nezaposlenosti (8+9)"_yu, false, "10"),
        line("11.", "UKUPNO OBRA^UNATI DOPRINOSI (4+7+10)"_yu, false, "11"),
    };
    std::vector<Derivation> derivations = {
        {"4.", {{"2.", 1}, {"3.", 1}}},
        {"7.", {{"5.", 1}, {"6.", 1}}},
        {"10.", {{"8.", 1}, {"9.", 1}}},
        {"11.", {{"4.", 1}, {"7.", 1}, {"10.", 1}}},
    };
    ReturnGrid grid(std::move(headings), std::move(rows), std::move(derivations),
                    firstColumnIsTotal);

    const std::size_t first = firstColumnIsTotal ? 1 : 0;
    const auto fill = [&](const char* number, Currency ContributionFigures::*field) {
        std::vector<Currency> amounts(first);
        for (const ContributionFigures& figures : columns)
            amounts.push_back(figures.*field);
        grid.fill(number, std::move(amounts));
    };
    std::int64_t persons = 0;
    for (const ContributionFigures& figures : columns)
        persons += figures.persons;
    fill("1.", &ContributionFigures::base);
    grid.fill("1.", persons, grid.row("1.").amounts);
    fill("2.", &ContributionFigures::pio);
    fill("3.", &ContributionFigures::pioFirma);
    fill("5.", &ContributionFigures::zo);
    fill("6.", &ContributionFigures::zoFirma);
    fill("8.", &ContributionFigures::nez);
    fill("9.", &ContributionFigures::nezFirma);
    return grid;
}

} // namespace

ReturnGrid salaryTaxReturn(const TaxReturnInput& input) {
    return taxReturn(input, {"Iznos"}, true);
}

ReturnGrid compensationTaxReturn(const TaxReturnInput& input) {
    return taxReturn(input, compensationHeadings(), false);
}

Outcome<ContributionAccounts> readContributionAccounts(db::Database& payrollDb) {
    db::Statement st = payrollDb.prepare(
        "SELECT racun_pio, racun_zo, racun_nezaposlenost, racun_pio_firma, racun_zo_firma, "
        "racun_nezaposlenost_firma FROM parametri2 LIMIT 1");
    if (!st.step())
        return warning("Niste uneli uplatne racune!");
    ContributionAccounts accounts{st.text(0), st.text(1), st.text(2),
                                  st.text(3), st.text(4), st.text(5)};
    for (const std::string* account : {&accounts.pio, &accounts.zo, &accounts.nez,
                                       &accounts.pioFirma, &accounts.zoFirma, &accounts.nezFirma})
        if (account->empty())
            return warning("Niste uneli uplatne racune!");
    return accounts;
}

Outcome<ContributionTerms> companyContributionTerms(db::Database& payrollDb, int month, int year) {
    auto accounts = readContributionAccounts(payrollDb);
    if (!accounts)
        return accounts.refusal();
    return ContributionTerms{monthContributionRates(payrollDb, month, year), *accounts};
}

Outcome<ContributionTerms> ownerContributionTerms(db::Database& payrollDb) {
    db::Statement st = payrollDb.prepare(
        "SELECT Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost, racun_pio, racun_zo, "
        "racun_nezaposlenost FROM parametri_vlasnik LIMIT 1");
    if (!st.step())
        return warning("Niste uneli parametre za preduzetnika!");
    ContributionTerms terms;
    terms.rates.pio = st.number(0);
    terms.rates.zo = st.number(1);
    terms.rates.nez = st.number(2);
    terms.accounts = {st.text(3), st.text(4), st.text(5), st.text(3), st.text(4), st.text(5)};
    return terms;
}

std::string salaryTaxAccount(db::Database& payrollDb) {
    db::Statement st = payrollDb.prepare("SELECT racun_porez_na_plate FROM parametri2 LIMIT 1");
    return st.step() ? st.text(0) : std::string();
}

ReturnGrid salaryContributionReturn(const std::vector<ContributionFigures>& columns,
                                    const ContributionRates& rates,
                                    const ContributionAccounts& accounts) {
    return contributionReturn(
        columns, rates, accounts,
        {"Ukupno", "Obr.na ispl.zaradu", "Obr.na najni`u osn."_yu, "Obr.na najvi{u osn."_yu}, true);
}

ReturnGrid compensationContributionReturn(const std::vector<ContributionFigures>& columns,
                                          const ContributionRates& rates,
                                          const ContributionAccounts& accounts) {
    return contributionReturn(columns, rates, accounts, compensationHeadings(), false);
}

} // namespace zarion::parameters
