#include "outputs/DeclarationChecks.h"

#include <algorithm>
#include <cmath>

#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/PersonalNumber.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

using Severity = DeclarationFinding::Severity;

const Currency Tolerance = Currency::fromRaw(5000); // 0.50 dinars

bool allDigits(std::string_view text, std::size_t count) {
    return text.size() == count &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An amount as the return takes it: digits, a point and at most two decimals.
bool isAmountText(std::string_view text) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    auto digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return !whole.empty() && digits(whole) && digits(decimals) &&
           (point == std::string_view::npos || (!decimals.empty() && decimals.size() <= 2));
}

std::string money(Currency amount) {
    return format(amount, NumberFormat::Plain2);
}

class Checker {
public:
    Checker(const DeclarationRates& rates, const std::set<long long>& municipalities)
        : rates_(rates)
        , municipalities_(municipalities) {}

    void header(const DeclarationHeader& h) {
        position_ = 0;
        const long long kind = wholeValue(h.POD11);
        if (kind < 1 || kind > 5)
            add(Severity::Error, "Vrsta prijave nije izabrana");
        if (wholeValue(h.POD122) < 2000 || !allDigits(h.POD121.substr(0, 2), 2))
            add(Severity::Error, "Obra~unski period nije izabran"_yu);
        if (h.POD14 == Date{})
            add(Severity::Error, "Datum pla}anja nije unet"_yu);
        if (wholeValue(h.POD21) < 1)
            add(Severity::Error, "Tip isplatioca nije izabran");
        if (!allDigits(h.POD22, 9))
            add(Severity::Error, "PIB isplatioca nema 9 cifara");
        if (!allDigits(h.POD25, 8))
            add(Severity::Error, "Mati~ni broj isplatioca nema 8 cifara"_yu);
        if (trim(h.POD26).empty())
            add(Severity::Error, "Naziv isplatioca nije unet");
        if (trim(h.POD29).empty())
            add(Severity::Error, "Ulica i broj isplatioca nisu uneti");
        if (!municipalities_.contains(wholeValue(h.POD27)) || trim(h.POD27).empty())
            add(Severity::Error,
                "Sedi{te isplatioca ("_yu + h.POD27 + ") nije u {ifarniku op{tina"_yu);
    }

    void row(std::size_t position, const DeclarationRow& r) {
        position_ = position;
        const std::string& jmbg = r[Col::IdentifikatorPrimaoca];
        if (!allDigits(jmbg, 13))
            add(Severity::Error, "JMBG (" + jmbg + ") nema 13 cifara");
        else if (!isValidJmbg(jmbg))
            add(Severity::Error, "JMBG (" + jmbg + ") nema ispravnu kontrolnu cifru");
        if (trim(r[Col::Prezime]).empty() || trim(r[Col::Ime]).empty())
            add(Severity::Error, "Prezime ili ime nije uneto");
        const std::string& place = r[Col::OznakaPrebivalista];
        if (!allDigits(place, 3) || !municipalities_.contains(wholeValue(place)))
            add(Severity::Error,
                "Op{tina prebivali{ta ("_yu + place + ") nije u {ifarniku op{tina"_yu);
        if (!allDigits(r[Col::SVP], 9))
            add(Severity::Error, "[ifra vrste prihoda ("_yu + r[Col::SVP] + ") nema 9 cifara");
        hours(r);
        if (amountsAreNumbers(r))
            amounts(r);
    }

    void totals(const DeclarationTotals& stated, const DeclarationTotals& sums) {
        position_ = 0;
        for (std::size_t i = 0; i < TotalledColumns.size(); ++i)
            if (stated.sums[i] != sums.sums[i])
                add(Severity::Error, "Ukupno " + heading(TotalledColumns[i]) + " (" +
                                         money(stated.sums[i]) + ") nije jednako zbiru redova (" +
                                         money(sums.sums[i]) + ")");
    }

    std::vector<DeclarationFinding> findings;

private:
    static const std::string& heading(Col column) {
        return declarationHeadings()[static_cast<std::size_t>(column)];
    }

    void add(Severity severity, std::string message) {
        findings.push_back({severity, position_, std::move(message)});
    }

    void hours(const DeclarationRow& r) {
        const double worked = numericValue(r[Col::BrojEfektivnihSati]);
        const double fund = numericValue(r[Col::MesecniFondSati]);
        if (!r[Col::MesecniFondSati].empty() && worked > fund)
            add(Severity::Warning, "Broj sati (" + r[Col::BrojEfektivnihSati] +
                                       ") je ve}i od fonda sati ("_yu + r[Col::MesecniFondSati] +
                                       "); prijavljuje se fond sati");
    }

    bool amountsAreNumbers(const DeclarationRow& r) {
        bool numbers = true;
        for (const Col column : TotalledColumns)
            if (!isAmountText(r[column])) {
                add(Severity::Error, heading(column) + " (" + r[column] +
                                         ") nije iznos sa ta~kom pred decimalama"_yu);
                numbers = false;
            }
        return numbers;
    }

    // Each amount against its base × rate. Under a relief (the income code's seventh and eighth
    // digits) the amounts are lowered on purpose, so a difference is only a warning.
    void amounts(const DeclarationRow& r) {
        const std::string& code = r[Col::SVP];
        const bool relief = code.size() == 9 && code.substr(6, 2) != "00";
        const Severity severity = relief ? Severity::Warning : Severity::Error;
        const Currency taxBase = r.amount(Col::OsnovicaPorez);
        const Currency base = r.amount(Col::OsnovicaDoprinosi);
        if (taxBase > r.amount(Col::Bruto))
            add(Severity::Error, "Osnovica poreza je ve}a od bruto iznosa"_yu);
        againstRate(r, Col::Porez, taxBase, rates_.porez, "osnovica poreza", severity);
        againstRate(r, Col::PIO, base, rates_.PIO, "osnovica doprinosa", severity);
        againstRate(r, Col::ZDR, base, rates_.ZDR, "osnovica doprinosa", severity);
        againstRate(r, Col::NEZ, base, rates_.NEZ, "osnovica doprinosa", severity);
        if (!base.isZero() && base < rates_.lowestBase)
            add(Severity::Warning, "Osnovica doprinosa (" + money(base) +
                                       ") je ispod najni`e osnovice ("_yu +
                                       money(rates_.lowestBase) + ")");
        if (!rates_.highestBase.isZero() && base > rates_.highestBase)
            add(Severity::Warning, "Osnovica doprinosa (" + money(base) +
                                       ") je iznad najvi{e osnovice ("_yu +
                                       money(rates_.highestBase) + ")");
    }

    void againstRate(const DeclarationRow& r, Col column, Currency base, double rate,
                     const char* baseName, Severity severity) {
        const Currency expected = base.times(rate / 100).round2();
        const Currency difference = r.amount(column) - expected;
        if (difference > Tolerance || -difference > Tolerance)
            add(severity, heading(column) + " (" + r[column] + ") nije " + baseName + " × " +
                              shortestDecimal(rate) + " % (" + money(expected) + ")");
    }

    const DeclarationRates& rates_;
    const std::set<long long>& municipalities_;
    std::size_t position_ = 0;
};

} // namespace

std::set<long long> municipalityCodes(db::Database& payroll) {
    std::set<long long> codes;
    db::Statement st = payroll.prepare("SELECT SIFRA FROM opstine");
    while (st.step())
        codes.insert(st.integer(0));
    return codes;
}

std::vector<DeclarationFinding> checkDeclaration(const Declaration& declaration,
                                                 const DeclarationRates& rates,
                                                 const std::set<long long>& municipalities,
                                                 const DeclarationTotals& stated) {
    Checker checker(rates, municipalities);
    checker.header(declaration.header);
    bool anyChecked = false;
    for (std::size_t i = 0; i < declaration.rows.size(); ++i)
        if (declaration.rows[i].checked) {
            checker.row(i + 1, declaration.rows[i]);
            anyChecked = true;
        }
    checker.totals(stated, checkedTotals(declaration.rows));
    if (!anyChecked)
        checker.findings.push_back(
            {DeclarationFinding::Severity::Error, 0, "Nijedan red nije ozna~en"_yu});
    return checker.findings;
}

bool hasErrors(const std::vector<DeclarationFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const DeclarationFinding& f) { return f.isError(); });
}

std::string findingLine(const Declaration& declaration, const DeclarationFinding& finding) {
    std::string where = "Zaglavlje";
    if (finding.position > 0 && finding.position <= declaration.rows.size()) {
        const DeclarationRow& row = declaration.rows[finding.position - 1];
        where = "Red " + std::to_string(finding.position) + " (" + trim(row[Col::Prezime]) + " " +
                trim(row[Col::Ime]) + ")";
    }
    return where + (finding.isError() ? " GRE[KA: "_yu : " UPOZORENJE: ") + finding.message;
}

} // namespace zarion::outputs
