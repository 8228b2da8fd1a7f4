#include "payroll/Settings.h"

#include <array>

namespace zarion::payroll {
namespace {

using S = Settings;
using K = ColumnKind;

const auto fields = std::to_array<Field<S>>({
    {"nacin_obracuna", K::Whole, &S::nacin_obracuna},
    {"fiksni_sati", K::Whole, &S::fiksni_sati},
    {"na_pola_meseca", K::Whole, &S::na_pola_meseca},
    {"solidarni_porez", K::Whole, &S::solidarni_porez},
    {"stimulacije_uredba", K::Money, &S::stimulacije_uredba},
    {"ukupan_minuli_rad", K::Whole, &S::ukupan_minuli_rad},
});

} // namespace

std::span<const Field<Settings>> settingsFields() {
    return fields;
}

Settings loadSettings(db::Database& payrollDb) {
    Settings settings;
    db::Statement row = payrollDb.prepare("SELECT * FROM postavke LIMIT 1");
    if (row.step())
        readFields(row, settingsFields(), settings);
    return settings;
}

} // namespace zarion::payroll
