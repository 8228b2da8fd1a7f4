#pragma once

#include <span>
#include <string>

#include "core/Currency.h"
#include "core/Dates.h"
#include "payroll/RecordFields.h"

namespace zarion::payroll {

// One employee's month as the calculation window holds it: the employee's terms (radnici) and
// what was entered for the month. Members carry the column names.
struct SalaryInput {
    // the employee (radnici)
    double KOEFICIJENT = 0;
    double funkcijski_dodatak = 0; // function allowance, added to the coefficient
    double otezani_uslovi = 0;     // hard-conditions allowance, added to the coefficient
    int pg = 0;                    // prior service: years
    int Pm = 0;                    // prior service: months (prior days do not count)
    Date Datum;                    // employed with the company since
    int tip_obracuna = 0; // 0 full time, 1 part time, 2 reliefs, 3 minimum base, 4 maximum base
    std::string tekuci_Racun;

    // the month (calculation form)
    double ocena_radnog_ucinka = 0; // performance grade
    Currency cena_Rada;             // price of work; the form proposes the month's cena_Rada
    double broj_sati = 0;           // regular hours
    double produzeni_rad_s = 0;     // overtime
    double nocni_rad_s = 0;
    double rad_na_praznik_s = 0;
    double rad_nedeljom_s = 0;
    double rad_nedeljomstvarno_s = 0;
    double dezurstvo_s = 0;          // on-call duty
    double pripravnost_s = 0;        // standby
    double pripravnostaktivna_s = 0; // active standby, priced as overtime
    double bolovnje65_s = 0;         // sick leave at 65 %
    double bolovanje100_s = 0;       // sick leave at 100 %
    double godisnji_s = 0;           // annual leave
    double placeno_odsustvo_s = 0;   // paid absence
    Currency prosek_3_meseca;        // average earnings per hour A, for leave and sick pay
    Currency topli_obrok;            // meal allowance
    Currency regres;                 // holiday allowance
    Currency odvojeni;               // separate-living allowance
    Currency fiksna_plata;           // fixed pay
    Currency stimulacije;
    double stimulacije_procenat = 0; // non-zero: stimulacije is this percentage of basic pay
    Currency stimulacije_uredba;
    double stimulacije_procenat_uredba = 0;
    Currency II_deo; // advance: the second part of the preceding month, for the solidarity base
};

// The employee's columns (radnici) and the month's input columns, each under its own name.
std::span<const Field<SalaryInput>> employeeFields();
std::span<const Field<SalaryInput>> salaryInputFields();

} // namespace zarion::payroll
