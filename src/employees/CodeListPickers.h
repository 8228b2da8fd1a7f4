#pragma once

#include <QDate>
#include <cstdint>
#include <vector>

#include "core/Dates.h"
#include "employees/CodeLists.h"

class QComboBox;

// The code-list boxes every window that chooses a unit, a bank, a municipality or an occupation
// uses: entries as "number - name", the number kept with each entry.
namespace zarion::employees {

// Fills the box with the entries (the previous contents go) and selects the first.
void fillPicker(QComboBox& box, const std::vector<PickerEntry>& entries);

// "0 - sve RJ" (or "0 - Sve radne jedinice") and the units; the units alone with AllUnits::None.
void fillUnitPicker(QComboBox& box, db::Database& db, AllUnits all);
// ID_BAnka " - " banka.
void fillBankPicker(QComboBox& box, db::Database& db);
// The municipalities of opstine by code.
void fillMunicipalityPicker(QComboBox& box, db::Database& db);
// The occupations of zanimanje as code " - " name (an editable box also takes free text).
void fillOccupationPicker(QComboBox& box, db::Database& db);

// The number in front of the box's current text: 0 for "0 - sve RJ", an empty box or free text
// without a number.
std::int64_t pickedNumber(const QComboBox& box);
// Selects the entry standing for the number; an unknown number leaves the box empty.
void pickNumber(QComboBox& box, std::int64_t number);

QDate toQDate(const Date& date);
Date fromQDate(const QDate& date);

} // namespace zarion::employees
