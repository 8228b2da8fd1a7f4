#include "payroll/MonthParameters.h"

#include <array>

#include "payroll/Messages.h"

namespace zarion::payroll {
namespace {

using P = MonthParameters;
using K = ColumnKind;

const auto fields = std::to_array<Field<P>>({
    {"porez_zarade", K::Rate, &P::porez_zarade},
    {"iznos_poreskog_oslobojenja", K::Money, &P::iznos_poreskog_oslobojenja},
    {"Doprinosi_PIO", K::Rate, &P::Doprinosi_PIO},
    {"Doprinosi_zo", K::Rate, &P::Doprinosi_zo},
    {"doprinosi_nezaposlenost", K::Rate, &P::doprinosi_nezaposlenost},
    {"Doprinosi_PIO_F", K::Rate, &P::Doprinosi_PIO_F},
    {"Doprinosi_zo_F", K::Rate, &P::Doprinosi_zo_F},
    {"doprinosi_nezaposlenost_f", K::Rate, &P::doprinosi_nezaposlenost_f},
    {"doprinosi_ro", K::Rate, &P::doprinosi_ro},
    {"doprinosi_ro2", K::Rate, &P::doprinosi_ro2},
    {"doprinosi_ro3", K::Rate, &P::doprinosi_ro3},
    {"Naziv_doprinosi_ro", K::Text, &P::Naziv_doprinosi_ro},
    {"Naziv_doprinosi_ro2", K::Text, &P::Naziv_doprinosi_ro2},
    {"Naziv_doprinosi_ro3", K::Text, &P::Naziv_doprinosi_ro3},
    {"minimalna_osnovica", K::Money, &P::minimalna_osnovica},
    {"maksimalna_osnovica", K::Money, &P::maksimalna_osnovica},
    {"minimalna_osnovna", K::Money, &P::minimalna_osnovna},
    {"cena_Rada", K::Money, &P::cena_Rada},
    {"cena_rada_pre_umanjenja", K::Money, &P::cena_rada_pre_umanjenja},
    {"minuli_rad", K::Rate, &P::minuli_rad},
    {"produzeni_rad", K::Rate, &P::produzeni_rad},
    {"nocni_rad", K::Rate, &P::nocni_rad},
    {"rad_na_praznik", K::Rate, &P::rad_na_praznik},
    {"rad_nedeljom", K::Rate, &P::rad_nedeljom},
    {"rad_nedeljomstvarno", K::Rate, &P::rad_nedeljomstvarno},
    {"DEZURSTVO", K::Rate, &P::DEZURSTVO},
    {"PRIPRAVNOST", K::Rate, &P::PRIPRAVNOST},
    {"placeno_odsustvo", K::Rate, &P::placeno_odsustvo},
    {"regres", K::Money, &P::regres},
    {"topli_obrok", K::Money, &P::topli_obrok},
    {"prosecna_ocena_RU", K::Rate, &P::prosecna_ocena_RU},
});

} // namespace

std::span<const Field<MonthParameters>> monthParameterFields() {
    return fields;
}

Outcome<MonthParameters> loadMonthParameters(db::Database& payrollDb, int year, int month) {
    db::Statement row =
        payrollDb.prepare("SELECT * FROM parametri_po_mesecima WHERE MEsec = ? AND GODINA = ?");
    row.bindAll(month, year);
    if (!row.step())
        return Failure{messages::parametersMissing()};
    MonthParameters parameters;
    readFields(row, monthParameterFields(), parameters);
    return parameters;
}

ContributionRates contributionRates(const MonthParameters& m) {
    return {m.porez_zarade,
            m.Doprinosi_PIO,
            m.Doprinosi_zo,
            m.doprinosi_nezaposlenost,
            m.Doprinosi_PIO_F,
            m.Doprinosi_zo_F,
            m.doprinosi_nezaposlenost_f,
            m.doprinosi_ro,
            m.doprinosi_ro2,
            m.doprinosi_ro3};
}

} // namespace zarion::payroll
