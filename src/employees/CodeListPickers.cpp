#include "employees/CodeListPickers.h"

#include <QComboBox>

#include "ui/Dialogs.h"

namespace zarion::employees {

void fillPicker(QComboBox& box, const std::vector<PickerEntry>& entries) {
    box.clear();
    for (const PickerEntry& entry : entries)
        box.addItem(ui::toQ(entry.text), QVariant::fromValue<qlonglong>(entry.number));
    box.setCurrentIndex(entries.empty() ? -1 : 0);
}

void fillUnitPicker(QComboBox& box, db::Database& db, AllUnits all) {
    fillPicker(box, unitEntries(db, all));
}

void fillBankPicker(QComboBox& box, db::Database& db) {
    fillPicker(box, bankEntries(db));
}

void fillMunicipalityPicker(QComboBox& box, db::Database& db) {
    fillPicker(box, municipalityEntries(db));
}

void fillOccupationPicker(QComboBox& box, db::Database& db) {
    fillPicker(box, occupationEntries(db));
}

std::int64_t pickedNumber(const QComboBox& box) {
    return entryNumber(ui::fromQ(box.currentText()));
}

void pickNumber(QComboBox& box, std::int64_t number) {
    box.setCurrentIndex(box.findData(QVariant::fromValue<qlonglong>(number)));
}

QDate toQDate(const Date& date) {
    return QDate(date.year, date.month, date.day);
}

Date fromQDate(const QDate& date) {
    return Date{date.year(), date.month(), date.day()};
}

} // namespace zarion::employees
