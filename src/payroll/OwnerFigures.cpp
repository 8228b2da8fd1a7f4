#include "payroll/OwnerFigures.h"

namespace zarion::payroll {

SalaryResult withOwnerFigures(SalaryResult result, const OwnerFigures& owner) {
    for (Currency* element : {&result.produzeni_rad_i,
                              &result.nocni_rad_i,
                              &result.rad_na_praznik_i,
                              &result.rad_nedeljom_i,
                              &result.rad_nedeljomstvarno_i,
                              &result.dezurstvo_i,
                              &result.pripravnost_i,
                              &result.pripravnostaktivna_i,
                              &result.bolovnje65_i,
                              &result.bolovanje100_i,
                              &result.godisnji_i,
                              &result.placeno_odsustvo_i,
                              &result.minuli_rad,
                              &result.fiksna_plata,
                              &result.stimulacije,
                              &result.stimulacije_uredba,
                              &result.topli_obrok,
                              &result.regres,
                              &result.odvojeni,
                              &result.Doprinosi_PIO_F,
                              &result.Doprinosi_zo_F,
                              &result.doprinosi_nezaposlenost_f,
                              &result.doprinosi_ro_f,
                              &result.doprinosi_ro_f2,
                              &result.doprinosi_ro_f3,
                              &result.solidarni_porez,
                              &result.razlika_do_min})
        *element = Currency();
    result.osnovna_bruto = owner.BRUTO;
    result.BRUTO = owner.BRUTO;
    result.osnovica_doprinosa = owner.BRUTO;
    result.porez_na_zaradu = owner.porez_na_zaradu;
    result.Doprinosi_PIO = owner.Doprinosi_PIO;
    result.Doprinosi_zo = owner.Doprinosi_zo;
    result.doprinosi_nezaposlenost = owner.doprinosi_nezaposlenost;
    result.ukupno_doprinosa =
        owner.Doprinosi_PIO + owner.Doprinosi_zo + owner.doprinosi_nezaposlenost;
    result.NETO = owner.NETO;
    result.Oslobodjenje = owner.Oslobodjenje;
    result.ukupno_doprinosa_F = Currency();
    result.ukupno_obaveza = owner.BRUTO;
    return result;
}

} // namespace zarion::payroll
