#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/db/Database.h"

namespace zarion::parameters {

// parametri_po_mesecima: a key, MEsec and GODINA, then the columns of parametri in their order.
constexpr int MonthLeadingColumns = 3;

// The rowid of the month's row, if the month has been started.
std::optional<std::int64_t> findMonthRow(db::Database& payrollDb, int month, int year);

// The rate and amount columns of a month's row, in the template's order: every column after
// the three leading ones that holds a number. The names of the additional contributions are
// not among them; they caption the boxes of those contributions.
std::vector<std::string> monthRateColumns(db::Database& payrollDb);

// The operator's words for a rate column: the description of the calculation parameter it
// holds for the month, the column name when it has none.
std::string monthRateCaption(const std::string& column);

struct MonthRateField {
    std::string column;
    std::string caption; // the contribution's name where one is set, else monthRateCaption
    std::string text;    // the value as a number, a blank in front when not negative
};
std::vector<MonthRateField> loadMonthRates(db::Database& payrollDb, std::int64_t monthRowId);

// Saving the boxes of the month parameter window.
enum class MonthSave { Saved, NoMonth, NoYear, NotFound };
// Writes the numeric value of every input (one per monthRateColumns) into the month's row.
// Throws std::overflow_error when an amount does not fit; nothing is stored then.
MonthSave saveMonthRates(db::Database& payrollDb, int month, int year,
                         std::span<const std::string> inputs);

// Months before May 2013 knew no separate employer rates: sets each employer rate to the
// employee's rate in every row up to April 2013. Returns the number of rows changed.
int fillEmployerRatesBefore2013(db::Database& payrollDb);

// The messages of the month parameter window.
std::string monthNotFoundMessage(int month, int year);       // warning on showing
std::string startTheMonthMessage();                          // information after it
std::string monthNotFoundOnSaveMessage(int month, int year); // error on saving
std::string noMonthChosenMessage();
std::string noYearChosenMessage();
std::string monthSavedMessage();
std::string fillBefore2013Question();
std::string fillBefore2013DoneMessage();

} // namespace zarion::parameters
