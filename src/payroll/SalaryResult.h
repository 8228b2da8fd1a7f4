#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/CalculationKind.h"
#include "core/Currency.h"
#include "payroll/RecordFields.h"

namespace zarion::payroll {

using zarion::CalculationKind;

// One employee's calculated month: the columns of obracuni and akontacija_obracuni, each under
// its own name.
struct SalaryResult {
    int tip_obracuna = 0;
    double KOEFICIJENT = 0;
    double funkcijski_dodatak = 0;
    double otezani_uslovi = 0;
    double ocena_radnog_ucinka = 0;
    Currency cena_Rada;
    double radni_staz = 0; // the years seniority was paid for
    int god_staza = 0;     // years with the company
    int ukradni_staz = 0;  // years with prior service
    Currency prosek_3_meseca;
    double broj_sati = 0;
    Currency osnovna_bruto;
    double produzeni_rad_s = 0;
    Currency produzeni_rad_i;
    double nocni_rad_s = 0;
    Currency nocni_rad_i;
    double rad_na_praznik_s = 0;
    Currency rad_na_praznik_i;
    double rad_nedeljom_s = 0;
    Currency rad_nedeljom_i;
    double rad_nedeljomstvarno_s = 0;
    Currency rad_nedeljomstvarno_i;
    double dezurstvo_s = 0;
    Currency dezurstvo_i;
    double pripravnost_s = 0;
    Currency pripravnost_i;
    double pripravnostaktivna_s = 0;
    Currency pripravnostaktivna_i;
    double bolovnje65_s = 0;
    Currency bolovnje65_i;
    double bolovanje100_s = 0;
    Currency bolovanje100_i;
    double godisnji_s = 0;
    Currency godisnji_i;
    double placeno_odsustvo_s = 0;
    Currency placeno_odsustvo_i;
    Currency minuli_rad;
    double minuli_do19 = 0; // counted years served before 2019
    double minuli_od19 = 0; // counted years served from 2019
    Currency fiksna_plata;
    Currency stimulacije;
    double stimulacije_procenat = 0;
    Currency stimulacije_uredba;
    double stimulacije_procenat_uredba = 0;
    Currency topli_obrok;
    Currency regres;
    Currency odvojeni;
    Currency BRUTO;
    Currency porez_na_zaradu;
    Currency Doprinosi_PIO;
    Currency Doprinosi_zo;
    Currency doprinosi_nezaposlenost;
    Currency ukupno_doprinosa;
    Currency NETO;
    Currency Doprinosi_PIO_F;
    Currency Doprinosi_zo_F;
    Currency doprinosi_nezaposlenost_f;
    Currency doprinosi_ro_f;
    Currency doprinosi_ro_f2;
    Currency doprinosi_ro_f3;
    Currency ukupno_doprinosa_F;
    Currency ukupno_obaveza;
    Currency Oslobodjenje;
    Currency osnovica_doprinosa;
    Currency solidarni_porez;
    Currency razlika_do_min; // final only
    std::string tekuci_Racun;
    Currency II_deo; // advance only

    // Not stored: the month's hour fund N and the hours worked S.
    int hourFund = 0;
    double hoursWorked = 0;
};

// Every column of the result record, each under its own name (both kinds together).
std::span<const Field<SalaryResult>> salaryResultFields();

using ColumnValue = std::variant<Currency, double, int, std::string>;

struct ResultColumn {
    std::string_view name;
    ColumnKind kind;
    ColumnValue value;
};

// Every column the calculation of that kind stores, in the table's order: the advance row has
// II_deo and no razlika_do_min, ukradni_staz, minuli_do19, minuli_od19; the final row the reverse.
std::vector<ResultColumn> resultColumns(const SalaryResult& result, CalculationKind kind);

} // namespace zarion::payroll
