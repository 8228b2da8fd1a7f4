#include "parameters/MonthRows.h"

#include <stdexcept>

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"
#include "parameters/ColumnDescriptions.h"
#include "parameters/FieldValues.h"
#include "parameters/SqlNames.h"

namespace zarion::parameters {
namespace {

bool holdsNumber(const db::ColumnInfo& column) {
    return fieldType(column.declType).kind != FieldKind::Text &&
           fieldType(column.declType).kind != FieldKind::Date;
}

std::vector<db::ColumnInfo> rateColumns(db::Database& db) {
    const std::vector<db::ColumnInfo> all = db.columns("parametri_po_mesecima");
    std::vector<db::ColumnInfo> rates;
    for (std::size_t i = MonthLeadingColumns; i < all.size(); ++i)
        if (holdsNumber(all[i]))
            rates.push_back(all[i]);
    return rates;
}

std::string monthAndYear(int month, int year) {
    return std::to_string(month) + " - " + std::to_string(year);
}

} // namespace

std::optional<std::int64_t> findMonthRow(db::Database& payrollDb, int month, int year) {
    return payrollDb.scalar(
        "SELECT rowid FROM parametri_po_mesecima WHERE MEsec = ? AND GODINA = ? ORDER BY rowid",
        month, year);
}

std::vector<std::string> monthRateColumns(db::Database& payrollDb) {
    std::vector<std::string> names;
    for (const db::ColumnInfo& column : rateColumns(payrollDb))
        names.push_back(column.name);
    return names;
}

std::string monthRateCaption(const std::string& column) {
    // A month's row is the month's copy of the calculation parameters, described with them.
    const std::string_view words = ColumnDescriptions::standard().description("parametri", column);
    return words.empty() ? column : std::string(words);
}

std::vector<MonthRateField> loadMonthRates(db::Database& payrollDb, std::int64_t monthRowId) {
    db::Statement row = payrollDb.prepare("SELECT * FROM parametri_po_mesecima WHERE rowid = ?");
    row.bind(1, monthRowId);
    if (!row.step())
        throw std::invalid_argument("no month row " + std::to_string(monthRowId));
    std::vector<MonthRateField> fields;
    for (const db::ColumnInfo& column : rateColumns(payrollDb)) {
        const std::string nameColumn = "Naziv_" + column.name;
        std::string caption = payrollDb.hasColumn("parametri_po_mesecima", nameColumn)
                                  ? row.text(nameColumn)
                                  : std::string();
        // a rate not given shows as nought, as the calculation reads it
        const int at = row.column(column.name);
        const FieldType type = fieldType(column.declType);
        fields.push_back({column.name, caption.empty() ? monthRateCaption(column.name) : caption,
                          row.isNull(at) ? zeroText(type) : displayText(row, at, type)});
    }
    return fields;
}

MonthSave saveMonthRates(db::Database& payrollDb, int month, int year,
                         std::span<const std::string> inputs) {
    if (month <= 0)
        return MonthSave::NoMonth;
    if (year <= 0)
        return MonthSave::NoYear;
    const std::vector<db::ColumnInfo> columns = rateColumns(payrollDb);
    if (inputs.size() != columns.size())
        throw std::invalid_argument("one input per rate column of parametri_po_mesecima");

    db::Transaction tx(payrollDb);
    const auto rowId = findMonthRow(payrollDb, month, year);
    if (!rowId)
        return MonthSave::NotFound;
    std::string sql = "UPDATE parametri_po_mesecima SET ";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + quotedName(columns[i].name) + " = ?";
    db::Statement update = payrollDb.prepare(sql + " WHERE rowid = ?");
    for (std::size_t i = 0; i < columns.size(); ++i)
        bindValue(update, static_cast<int>(i) + 1,
                  numericStoredValue(plainNumber(inputs[i]).value_or(inputs[i]),
                                     fieldType(columns[i].declType).kind));
    update.bind(static_cast<int>(columns.size()) + 1, *rowId);
    update.run();
    tx.commit();
    return MonthSave::Saved;
}

int fillEmployerRatesBefore2013(db::Database& payrollDb) {
    db::Transaction tx(payrollDb);
    payrollDb.run("UPDATE parametri_po_mesecima SET Doprinosi_PIO_F = Doprinosi_PIO, "
                  "Doprinosi_zo_F = Doprinosi_zo, "
                  "doprinosi_nezaposlenost_f = doprinosi_nezaposlenost "
                  "WHERE GODINA * 100 + MEsec < ?",
                  Period(2013, 5));
    const int changed = payrollDb.changes();
    tx.commit();
    return changed;
}

std::string monthNotFoundMessage(int month, int year) {
    return "Nisu pronadjeni parametri za mesec: " + monthAndYear(month, year);
}
std::string startTheMonthMessage() {
    return "Pokrenite obracun za izabrani mesec!";
}
std::string monthNotFoundOnSaveMessage(int month, int year) {
    return "GRESKA! Nisu pronadjeni parametri za mesec: " + monthAndYear(month, year);
}
std::string noMonthChosenMessage() {
    return "Niste izabrali mesec!";
}
std::string noYearChosenMessage() {
    return "Niste izabrali godinu!";
}
std::string monthSavedMessage() {
    return "Snimanje parametara je zavrseno!";
}
std::string fillBefore2013Question() {
    return "Zelite li da upisete parametre za doprinose na teret poslodavca pre 05/2013?";
}
std::string fillBefore2013DoneMessage() {
    return "Gotovo";
}

} // namespace zarion::parameters
