#include "payroll/SalaryInput.h"

#include <array>

namespace zarion::payroll {
namespace {

using I = SalaryInput;
using K = ColumnKind;

const auto employee = std::to_array<Field<I>>({
    {"KOEFICIJENT", K::Rate, &I::KOEFICIJENT},
    {"funkcijski_dodatak", K::Rate, &I::funkcijski_dodatak},
    {"otezani_uslovi", K::Rate, &I::otezani_uslovi},
    {"pg", K::Whole, &I::pg},
    {"Pm", K::Whole, &I::Pm},
    {"Datum", K::Date, &I::Datum},
    {"tip_obracuna", K::Whole, &I::tip_obracuna},
    {"tekuci_Racun", K::Text, &I::tekuci_Racun},
});

const auto month = std::to_array<Field<I>>({
    {"KOEFICIJENT", K::Rate, &I::KOEFICIJENT},
    {"funkcijski_dodatak", K::Rate, &I::funkcijski_dodatak},
    {"otezani_uslovi", K::Rate, &I::otezani_uslovi},
    {"tip_obracuna", K::Whole, &I::tip_obracuna},
    {"tekuci_Racun", K::Text, &I::tekuci_Racun},
    {"ocena_radnog_ucinka", K::Rate, &I::ocena_radnog_ucinka},
    {"cena_Rada", K::Money, &I::cena_Rada},
    {"broj_sati", K::Hours, &I::broj_sati},
    {"produzeni_rad_s", K::Hours, &I::produzeni_rad_s},
    {"nocni_rad_s", K::Hours, &I::nocni_rad_s},
    {"rad_na_praznik_s", K::Hours, &I::rad_na_praznik_s},
    {"rad_nedeljom_s", K::Hours, &I::rad_nedeljom_s},
    {"rad_nedeljomstvarno_s", K::Hours, &I::rad_nedeljomstvarno_s},
    {"dezurstvo_s", K::Hours, &I::dezurstvo_s},
    {"pripravnost_s", K::Hours, &I::pripravnost_s},
    {"pripravnostaktivna_s", K::Hours, &I::pripravnostaktivna_s},
    {"bolovnje65_s", K::Hours, &I::bolovnje65_s},
    {"bolovanje100_s", K::Hours, &I::bolovanje100_s},
    {"godisnji_s", K::Hours, &I::godisnji_s},
    {"placeno_odsustvo_s", K::Hours, &I::placeno_odsustvo_s},
    {"prosek_3_meseca", K::Money, &I::prosek_3_meseca},
    {"topli_obrok", K::Money, &I::topli_obrok},
    {"regres", K::Money, &I::regres},
    {"odvojeni", K::Money, &I::odvojeni},
    {"fiksna_plata", K::Money, &I::fiksna_plata},
    {"stimulacije", K::Money, &I::stimulacije},
    {"stimulacije_procenat", K::Rate, &I::stimulacije_procenat},
    {"stimulacije_uredba", K::Money, &I::stimulacije_uredba},
    {"stimulacije_procenat_uredba", K::Rate, &I::stimulacije_procenat_uredba},
    {"II_deo", K::Money, &I::II_deo},
});

} // namespace

std::span<const Field<SalaryInput>> employeeFields() {
    return employee;
}
std::span<const Field<SalaryInput>> salaryInputFields() {
    return month;
}

} // namespace zarion::payroll
