#pragma once

#include <span>
#include <string>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "payroll/Outcome.h"
#include "payroll/RecordFields.h"

namespace zarion::payroll {

// The rates and amounts of one month, as copied into parametri_po_mesecima when the month was
// first started. Rates are percentages; amounts are money.
struct MonthParameters {
    double porez_zarade = 0;
    Currency iznos_poreskog_oslobojenja;
    double Doprinosi_PIO = 0;
    double Doprinosi_zo = 0;
    double doprinosi_nezaposlenost = 0;
    double Doprinosi_PIO_F = 0;
    double Doprinosi_zo_F = 0;
    double doprinosi_nezaposlenost_f = 0;
    double doprinosi_ro = 0;
    double doprinosi_ro2 = 0;
    double doprinosi_ro3 = 0;
    std::string Naziv_doprinosi_ro;
    std::string Naziv_doprinosi_ro2;
    std::string Naziv_doprinosi_ro3;
    Currency minimalna_osnovica;
    Currency maksimalna_osnovica;
    Currency minimalna_osnovna;
    Currency cena_Rada;
    Currency cena_rada_pre_umanjenja;
    double minuli_rad = 0;
    double produzeni_rad = 0;
    double nocni_rad = 0;
    double rad_na_praznik = 0;
    double rad_nedeljom = 0;
    double rad_nedeljomstvarno = 0;
    double DEZURSTVO = 0;
    double PRIPRAVNOST = 0;
    double placeno_odsustvo = 0;
    Currency regres;
    Currency topli_obrok;
    double prosecna_ocena_RU = 0;
};

std::span<const Field<MonthParameters>> monthParameterFields();

// The month's row, or "Greska kod pronalazenja parametara za izabrani mesec!".
Outcome<MonthParameters> loadMonthParameters(db::Database& payrollDb, int year, int month);

// The tax and contribution rates one calculation uses: the month's, or those the operator typed
// over them for one employee.
struct ContributionRates {
    double porez_zarade = 0;
    double Doprinosi_PIO = 0;
    double Doprinosi_zo = 0;
    double doprinosi_nezaposlenost = 0;
    double Doprinosi_PIO_F = 0;
    double Doprinosi_zo_F = 0;
    double doprinosi_nezaposlenost_f = 0;
    double doprinosi_ro = 0;
    double doprinosi_ro2 = 0;
    double doprinosi_ro3 = 0;
};

ContributionRates contributionRates(const MonthParameters& month);

} // namespace zarion::payroll
