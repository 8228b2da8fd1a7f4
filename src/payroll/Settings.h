#pragma once

#include <span>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "payroll/RecordFields.h"

namespace zarion::payroll {

// The program settings of table postavke the calculation reads.
struct Settings {
    // 0: pricing by hours; otherwise by coefficient with a performance factor
    int nacin_obracuna = 0;
    // 0: the hour fund from the calendar; otherwise the fixed fund
    int fiksni_sati = 0;
    // the month is paid as an advance and a final part
    int na_pola_meseca = 0;
    // the solidarity tax applies
    int solidarni_porez = 0;
    // the amount proposed for the decree supplement
    Currency stimulacije_uredba;
    // seniority counts prior service too
    int ukupan_minuli_rad = 0;

    bool coefficientPricing() const { return nacin_obracuna != 0; }
    bool solidarityTax() const { return solidarni_porez != 0; }
    bool seniorityCountsPriorService() const { return ukupan_minuli_rad != 0; }
};

std::span<const Field<Settings>> settingsFields();

// The single row of postavke; all settings 0 while the table is empty.
Settings loadSettings(db::Database& payrollDb);

} // namespace zarion::payroll
