#include "payroll/CalculationCaptions.h"

#include <array>

#include "core/Text.h"

namespace zarion::payroll {
namespace {

constexpr const char* employee = "radnik";
constexpr const char* company = "firma";
constexpr const char* hours = "sati";

// One table for every window and printout that names a calculation's column to the operator.
constexpr auto captions = std::to_array<ColumnCaption>({
    {"KOEFICIJENT", "Koeficijent", nullptr},
    {"funkcijski_dodatak", "Funkcijski dodatak", nullptr},
    {"otezani_uslovi", "Ote`ani uslovi rada", nullptr},
    {"tip_obracuna", "Tip obra~una", nullptr},
    {"ocena_radnog_ucinka", "Ocena radnog u~inka", nullptr},
    {"cena_Rada", "Cena rada", nullptr},
    {"radni_staz", "Radni sta`", nullptr},
    {"god_staza", "Godine sta`a", nullptr},
    {"prosek_3_meseca", "Prose~na bruto zarada po satu", nullptr},
    {"broj_sati", "Redovan rad", hours},
    {"osnovna_bruto", "Redovan rad", nullptr},
    {"produzeni_rad_s", "Produ`eni rad", hours},
    {"produzeni_rad_i", "Produ`eni rad", nullptr},
    {"nocni_rad_s", "No}ni rad", hours},
    {"nocni_rad_i", "No}ni rad", nullptr},
    {"rad_na_praznik_s", "Rad na praznik", hours},
    {"rad_na_praznik_i", "Rad na praznik", nullptr},
    {"rad_nedeljom_s", "Rad nedeljom", hours},
    {"rad_nedeljom_i", "Rad nedeljom", nullptr},
    {"rad_nedeljomstvarno_s", "Rad nedeljom - stvarni", hours},
    {"rad_nedeljomstvarno_i", "Rad nedeljom - stvarni", nullptr},
    {"dezurstvo_s", "De`urstvo", hours},
    {"dezurstvo_i", "De`urstvo", nullptr},
    {"pripravnost_s", "Pripravnost", hours},
    {"pripravnost_i", "Pripravnost", nullptr},
    {"pripravnostaktivna_s", "Aktivna pripravnost", hours},
    {"pripravnostaktivna_i", "Aktivna pripravnost", nullptr},
    {"bolovnje65_s", "Bolovanje (65)", hours},
    {"bolovnje65_i", "Bolovanje (65)", nullptr},
    {"bolovanje100_s", "Bolovanje(100)", hours},
    {"bolovanje100_i", "Bolovanje(100)", nullptr},
    {"godisnji_s", "Godi{nji odmor", hours},
    {"godisnji_i", "Godi{nji odmor", nullptr},
    {"placeno_odsustvo_s", "Pla}eno odsustvo", hours},
    {"placeno_odsustvo_i", "Pla}eno odsustvo", nullptr},
    {"minuli_rad", "Minuli rad", nullptr},
    {"fiksna_plata", "Fiksna plata", nullptr},
    {"stimulacije", "Stimulacije", nullptr},
    {"stimulacije_procenat", "Stimulacije u %", nullptr},
    {"stimulacije_uredba", "Dodatak na osnovnu platu po uredbi", nullptr},
    {"stimulacije_procenat_uredba", "Dodatak po uredbi u %", nullptr},
    {"topli_obrok", "Topli obrok", nullptr},
    {"regres", "Regres", nullptr},
    {"odvojeni", "Naknada za odvojeni `ivot", nullptr},
    {"BRUTO", "BRUTO ZARADA", nullptr},
    {"Oslobodjenje", "Neoporezivi deo", nullptr},
    {"porez_na_zaradu", "Porez na zarade", nullptr},
    {"Doprinosi_PIO", "Doprinosi PIO", employee},
    {"Doprinosi_zo", "Doprinosi zdravs.", employee},
    {"doprinosi_nezaposlenost", "Doprinosi nezap.", employee},
    {"ukupno_doprinosa", "Ukupno doprinosa", employee},
    {"NETO", "NETO ZARADA", nullptr},
    {"Doprinosi_PIO_F", "Doprinosi PIO", company},
    {"Doprinosi_zo_F", "Doprinosi zdravs.", company},
    {"doprinosi_nezaposlenost_f", "Doprinosi nezap.", company},
    {"doprinosi_ro_f", "Dodatni doprinos 1", company},
    {"doprinosi_ro_f2", "Dodatni doprinos 2", company},
    {"doprinosi_ro_f3", "Dodatni doprinos 3", company},
    {"ukupno_doprinosa_F", "Ukupno doprinosa", company},
    {"ukupno_obaveza", "UKUPNA OBAVEZA FIRME", nullptr},
    {"osnovica_doprinosa", "Osnovica doprinosa", nullptr},
    {"solidarni_porez", "Umanjenje NETO zarade", nullptr},
    {"razlika_do_min", "Razlika do minimalne NETO", nullptr},
    {"II_deo", "Drugi deo prethodnog meseca", nullptr},
});

const ColumnCaption* find(std::string_view column) {
    for (const ColumnCaption& caption : captions)
        if (equalsIgnoreCase(caption.column, column))
            return &caption;
    return nullptr;
}

} // namespace

std::string payslipWords(std::string_view column) {
    const ColumnCaption* caption = find(column);
    return caption ? yuscii(caption->words) : std::string(column);
}

std::string columnCaption(std::string_view column) {
    const ColumnCaption* caption = find(column);
    if (!caption)
        return std::string(column);
    std::string text = yuscii(caption->words);
    if (caption->qualifier)
        text += std::string(" - ") + caption->qualifier;
    return text;
}

} // namespace zarion::payroll
