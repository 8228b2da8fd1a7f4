#include "payroll/SalaryResult.h"

#include <algorithm>
#include <array>

namespace zarion::payroll {
namespace {

using R = SalaryResult;
using K = ColumnKind;

const auto fields = std::to_array<Field<R>>({
    {"tip_obracuna", K::Whole, &R::tip_obracuna},
    {"KOEFICIJENT", K::Rate, &R::KOEFICIJENT},
    {"funkcijski_dodatak", K::Rate, &R::funkcijski_dodatak},
    {"otezani_uslovi", K::Rate, &R::otezani_uslovi},
    {"ocena_radnog_ucinka", K::Rate, &R::ocena_radnog_ucinka},
    {"cena_Rada", K::Money, &R::cena_Rada},
    {"radni_staz", K::Rate, &R::radni_staz},
    {"god_staza", K::Whole, &R::god_staza},
    {"ukradni_staz", K::Whole, &R::ukradni_staz},
    {"prosek_3_meseca", K::Money, &R::prosek_3_meseca},
    {"broj_sati", K::Hours, &R::broj_sati},
    {"osnovna_bruto", K::Money, &R::osnovna_bruto},
    {"produzeni_rad_s", K::Hours, &R::produzeni_rad_s},
    {"produzeni_rad_i", K::Money, &R::produzeni_rad_i},
    {"nocni_rad_s", K::Hours, &R::nocni_rad_s},
    {"nocni_rad_i", K::Money, &R::nocni_rad_i},
    {"rad_na_praznik_s", K::Hours, &R::rad_na_praznik_s},
    {"rad_na_praznik_i", K::Money, &R::rad_na_praznik_i},
    {"rad_nedeljom_s", K::Hours, &R::rad_nedeljom_s},
    {"rad_nedeljom_i", K::Money, &R::rad_nedeljom_i},
    {"rad_nedeljomstvarno_s", K::Hours, &R::rad_nedeljomstvarno_s},
    {"rad_nedeljomstvarno_i", K::Money, &R::rad_nedeljomstvarno_i},
    {"dezurstvo_s", K::Hours, &R::dezurstvo_s},
    {"dezurstvo_i", K::Money, &R::dezurstvo_i},
    {"pripravnost_s", K::Hours, &R::pripravnost_s},
    {"pripravnost_i", K::Money, &R::pripravnost_i},
    {"pripravnostaktivna_s", K::Hours, &R::pripravnostaktivna_s},
    {"pripravnostaktivna_i", K::Money, &R::pripravnostaktivna_i},
    {"bolovnje65_s", K::Hours, &R::bolovnje65_s},
    {"bolovnje65_i", K::Money, &R::bolovnje65_i},
    {"bolovanje100_s", K::Hours, &R::bolovanje100_s},
    {"bolovanje100_i", K::Money, &R::bolovanje100_i},
    {"godisnji_s", K::Hours, &R::godisnji_s},
    {"godisnji_i", K::Money, &R::godisnji_i},
    {"placeno_odsustvo_s", K::Hours, &R::placeno_odsustvo_s},
    {"placeno_odsustvo_i", K::Money, &R::placeno_odsustvo_i},
    {"minuli_rad", K::Money, &R::minuli_rad},
    {"minuli_do19", K::Rate, &R::minuli_do19},
    {"minuli_od19", K::Rate, &R::minuli_od19},
    {"fiksna_plata", K::Money, &R::fiksna_plata},
    {"stimulacije", K::Money, &R::stimulacije},
    {"stimulacije_procenat", K::Rate, &R::stimulacije_procenat},
    {"stimulacije_uredba", K::Money, &R::stimulacije_uredba},
    {"stimulacije_procenat_uredba", K::Rate, &R::stimulacije_procenat_uredba},
    {"topli_obrok", K::Money, &R::topli_obrok},
    {"regres", K::Money, &R::regres},
    {"odvojeni", K::Money, &R::odvojeni},
    {"BRUTO", K::Money, &R::BRUTO},
    {"porez_na_zaradu", K::Money, &R::porez_na_zaradu},
    {"Doprinosi_PIO", K::Money, &R::Doprinosi_PIO},
    {"Doprinosi_zo", K::Money, &R::Doprinosi_zo},
    {"doprinosi_nezaposlenost", K::Money, &R::doprinosi_nezaposlenost},
    {"ukupno_doprinosa", K::Money, &R::ukupno_doprinosa},
    {"NETO", K::Money, &R::NETO},
    {"Doprinosi_PIO_F", K::Money, &R::Doprinosi_PIO_F},
    {"Doprinosi_zo_F", K::Money, &R::Doprinosi_zo_F},
    {"doprinosi_nezaposlenost_f", K::Money, &R::doprinosi_nezaposlenost_f},
    {"doprinosi_ro_f", K::Money, &R::doprinosi_ro_f},
    {"doprinosi_ro_f2", K::Money, &R::doprinosi_ro_f2},
    {"doprinosi_ro_f3", K::Money, &R::doprinosi_ro_f3},
    {"ukupno_doprinosa_F", K::Money, &R::ukupno_doprinosa_F},
    {"ukupno_obaveza", K::Money, &R::ukupno_obaveza},
    {"Oslobodjenje", K::Money, &R::Oslobodjenje},
    {"osnovica_doprinosa", K::Money, &R::osnovica_doprinosa},
    {"solidarni_porez", K::Money, &R::solidarni_porez},
    {"razlika_do_min", K::Money, &R::razlika_do_min},
    {"tekuci_Racun", K::Text, &R::tekuci_Racun},
    {"II_deo", K::Money, &R::II_deo},
});

constexpr std::array<std::string_view, 4> finalOnly{"razlika_do_min", "ukradni_staz", "minuli_do19",
                                                    "minuli_od19"};
constexpr std::array<std::string_view, 1> advanceOnly{"II_deo"};

bool storedIn(std::string_view name, CalculationKind kind) {
    const auto& other = kind == CalculationKind::Final
                            ? std::span<const std::string_view>(advanceOnly)
                            : std::span<const std::string_view>(finalOnly);
    return std::find(other.begin(), other.end(), name) == other.end();
}

} // namespace

std::span<const Field<SalaryResult>> salaryResultFields() {
    return fields;
}

std::vector<ResultColumn> resultColumns(const SalaryResult& result, CalculationKind kind) {
    std::vector<ResultColumn> columns;
    columns.reserve(fields.size());
    for (const Field<R>& field : fields) {
        if (!storedIn(field.name, kind))
            continue;
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), zarion::Date R::*>)
                    return; // the result holds no dates
                else
                    columns.push_back({field.name, field.kind, ColumnValue(result.*member)});
            },
            field.member);
    }
    return columns;
}

} // namespace zarion::payroll
