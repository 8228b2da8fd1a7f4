#include "outputs/PayrollDeclaration.h"

#include <map>
#include <optional>

#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

// What the register adds to a listed employee: the stored income code and employment kind.
struct IncomeCodeSource {
    std::string sifra_vrste_prihoda;
    std::string vrsta;
};

// The amounts of other income linked to a salary calculation, both shares of a contribution
// together.
struct LinkedAmounts {
    Currency BRUTO, OSnovica_porez, POrez_iznos, OSnovica_doprinosi, PIO, ZO, NEZ;
};

// The first part of the month an employee was paid.
struct FirstPart {
    Currency Oslobodjenje;
    Currency osnovica_doprinosa;
    Currency BRUTO;
};

std::map<std::int64_t, IncomeCodeSource> incomeCodeSources(db::Database& payroll) {
    std::map<std::int64_t, IncomeCodeSource> sources;
    db::Statement st = payroll.prepare("SELECT id_radnik, sifra_vrste_prihoda, vrsta FROM radnici");
    while (st.step())
        sources[st.integer(0)] = {st.text(1), st.text(2)};
    return sources;
}

std::map<std::int64_t, LinkedAmounts> linkedAmounts(db::Database& payroll,
                                                    const ListSelection& selection) {
    std::map<std::int64_t, LinkedAmounts> linked;
    if (selection.firstPart())
        return linked;
    db::Statement st = payroll.prepare(
        "SELECT v.ID_obracun, SUM(z.BRUTO), SUM(z.OSnovica_porez), SUM(z.POrez_iznos), "
        "SUM(z.OSnovica_doprinosi), SUM(z.Doprinosi_PIO) + SUM(z.Doprinosi_PIO_F), "
        "SUM(z.Doprinosi_zo) + SUM(z.Doprinosi_zo_F), SUM(z.Doprinosi_nez) + "
        "SUM(z.Doprinosi_nez_F) FROM obracuni_ostale_zarade_veza v "
        "INNER JOIN obracun_ostale_zarade z ON z.id_ooz = v.ID_OOz "
        "INNER JOIN obracuni o ON o.Id_obracun = v.ID_obracun "
        "WHERE o.MEsec = ? AND o.GODINA = ? GROUP BY v.ID_obracun");
    st.bindAll(selection.month, selection.year);
    while (st.step())
        linked[st.integer(0)] = {st.money(1), st.money(2), st.money(3), st.money(4),
                                 st.money(5), st.money(6), st.money(7)};
    return linked;
}

std::map<std::int64_t, FirstPart> firstParts(db::Database& payroll, int year, int month) {
    std::map<std::int64_t, FirstPart> parts;
    db::Statement st = payroll.prepare(
        "SELECT ID_RADNIK, Oslobodjenje, osnovica_doprinosa, BRUTO FROM akontacija_obracuni "
        "WHERE MEsec = ? AND GODINA = ? ORDER BY Id_obracun");
    st.bindAll(month, year);
    while (st.step())
        parts.try_emplace(st.integer(0), FirstPart{st.money(1), st.money(2), st.money(3)});
    return parts;
}

std::string plain2(Currency amount) {
    return format(amount, NumberFormat::Plain2);
}
std::string general(Currency amount) {
    return format(amount, NumberFormat::General);
}

// The stored code when it has all nine characters, otherwise the regular code of the kind.
std::string incomeCode(const IncomeCodeSource& source, bool owner) {
    const std::string stored = trim(source.sifra_vrste_prihoda);
    if (stored.size() >= 9)
        return stored;
    if (owner)
        return "103106000";
    const std::string kind = trim(source.vrsta);
    return kind.empty() ? "101101000" : "1" + kind + "101000";
}

class RowFiller {
public:
    RowFiller(db::Database& payroll, const PayrollList& list, const payroll::Settings& settings)
        : list_(list)
        , sources_(incomeCodeSources(payroll))
        , linked_(linkedAmounts(payroll, list.selection))
        , fund_(declarationHoursFund(list.selection.year, list.selection.month, settings))
        , specialElements_(list.selection.payment == Payment::Final &&
                           settings.coefficientPricing()) {
        if (specialElements_)
            firstParts_ = firstParts(payroll, list.selection.year, list.selection.month);
    }

    bool anyRelief() const {
        for (const PayrollRow* row : list_.allRows())
            if (trim(source(row->id_radnik).sifra_vrste_prihoda) == NewEmployeeReliefCode)
                return true;
        return false;
    }
    bool linkedTo(const PayrollRow& row) const { return linked_.contains(row.Id_obracun); }

    DeclarationRow row(const PayrollRow& p, bool owner,
                       const std::optional<ReliefPercentages>& relief) const {
        const ListedEmployee& e = p.employee;
        DeclarationRow r = recipientRow(e.JMBG, e.Prezime, e.Ime, e.sifra_opstine);
        const IncomeCodeSource& src = source(p.id_radnik);
        r[Col::SVP] = incomeCode(src, owner);
        r[Col::BrojKalendarskihDana] = std::to_string(
            p.days != 0 ? p.days : DaysInMonth(list_.selection.month, list_.selection.year));
        r[Col::BrojEfektivnihSati] = shortestDecimal(p.effectiveHours());
        r[Col::MesecniFondSati] = std::to_string(fund_);
        amounts(r, p,
                trim(src.sifra_vrste_prihoda) == NewEmployeeReliefCode ? relief : std::nullopt);
        if (specialElements_)
            special(r, p);
        r[Col::NETO] = plain2(p.calc.NETO);
        r[Col::Obustave] = owner ? "0" : plain2(p.deductions);
        r[Col::ID] = std::to_string(p.id_radnik);
        return r;
    }

private:
    const IncomeCodeSource& source(std::int64_t id) const {
        static const IncomeCodeSource none;
        const auto it = sources_.find(id);
        return it == sources_.end() ? none : it->second;
    }

    void amounts(DeclarationRow& r, const PayrollRow& p,
                 const std::optional<ReliefPercentages>& relief) const {
        const payroll::SalaryResult& c = p.calc;
        Currency gross = c.BRUTO;
        Currency taxBase = c.BRUTO - c.Oslobodjenje;
        if (taxBase.isNegative())
            taxBase = {};
        Currency tax = c.porez_na_zaradu;
        Currency base = p.contributionBase();
        Currency pio = c.Doprinosi_PIO + c.Doprinosi_PIO_F;
        Currency zo = c.Doprinosi_zo + c.Doprinosi_zo_F;
        Currency nez = c.doprinosi_nezaposlenost + c.doprinosi_nezaposlenost_f;
        if (relief) {
            tax = tax.times((100 - relief->porez) / 100);
            pio = pio.times((100 - relief->PIO) / 100);
            zo = zo.times((100 - relief->ZO) / 100);
            nez = nez.times((100 - relief->NEZ) / 100);
        }
        if (const auto it = linked_.find(p.Id_obracun); it != linked_.end()) {
            const LinkedAmounts& l = it->second;
            gross -= l.BRUTO;
            taxBase -= l.OSnovica_porez;
            tax -= l.POrez_iznos;
            base -= l.OSnovica_doprinosi;
            pio -= l.PIO;
            zo -= l.ZO;
            nez -= l.NEZ;
        }
        // the list's own texts where it has them, the sums in the general form, relieved
        // amounts with two decimals
        const auto sum = relief ? plain2 : general;
        r[Col::Bruto] = plain2(gross);
        r[Col::OsnovicaPorez] = taxBase.isZero() ? "0" : general(taxBase);
        r[Col::Porez] = plain2(tax);
        r[Col::OsnovicaDoprinosi] = plain2(base);
        r[Col::PIO] = sum(pio);
        r[Col::ZDR] = sum(zo);
        r[Col::NEZ] = sum(nez);
    }

    // MFP.1, .2, .4 from the first part, MFP.11 the month's non-taxable part, MFP.12 the
    // contribution base of both parts; MFP.1 never above MFP.11.
    void special(DeclarationRow& r, const PayrollRow& p) const {
        const auto it = firstParts_.find(p.id_radnik);
        if (it == firstParts_.end())
            return;
        const FirstPart& first = it->second;
        const Currency firstBase =
            first.osnovica_doprinosa.isZero() ? first.BRUTO : first.osnovica_doprinosa;
        const Currency nonTaxable = p.calc.Oslobodjenje;
        r[Col::MFP1] = plain2(nonTaxable < first.Oslobodjenje ? nonTaxable : first.Oslobodjenje);
        r[Col::MFP2] = plain2(firstBase);
        r[Col::MFP4] = plain2(first.BRUTO);
        r[Col::MFP11] = plain2(nonTaxable);
        r[Col::MFP12] = plain2(r.amount(Col::OsnovicaDoprinosi) + firstBase);
    }

    const PayrollList& list_;
    std::map<std::int64_t, IncomeCodeSource> sources_;
    std::map<std::int64_t, LinkedAmounts> linked_;
    std::map<std::int64_t, FirstPart> firstParts_;
    int fund_ = 0;
    bool specialElements_ = false;
};

} // namespace

PayrollListProducer::PayrollListProducer(db::Database& payroll, const PayrollList& list,
                                         const payroll::Settings& settings, AskRelief askRelief)
    : payroll_(payroll)
    , list_(list)
    , settings_(settings)
    , askRelief_(std::move(askRelief)) {}

Outcome<DeclarationFill> PayrollListProducer::fill() {
    const RowFiller filler(payroll_, list_, settings_);
    std::optional<ReliefPercentages> relief;
    if (filler.anyRelief())
        relief = askRelief_();
    DeclarationFill fill;
    fill.year = list_.selection.year;
    fill.month = list_.selection.month;
    fill.rows.reserve(list_.employees.size() + list_.owners.size());
    for (const PayrollRow& row : list_.employees)
        fill.rows.push_back(filler.row(row, false, relief));
    for (const PayrollRow& row : list_.owners)
        fill.rows.push_back(filler.row(row, true, relief));
    fill.advance = list_.selection.payment == Payment::First;
    fill.finalPart = list_.selection.payment == Payment::Final;
    for (const PayrollRow* row : list_.allRows())
        fill.finalPart = fill.finalPart || filler.linkedTo(*row);
    return fill;
}

DeclarationRates salaryRates(const payroll::MonthParameters& month) {
    return {month.porez_zarade,
            month.Doprinosi_PIO + month.Doprinosi_PIO_F,
            month.Doprinosi_zo + month.Doprinosi_zo_F,
            month.doprinosi_nezaposlenost + month.doprinosi_nezaposlenost_f,
            month.minimalna_osnovica,
            month.maksimalna_osnovica};
}

} // namespace zarion::outputs
