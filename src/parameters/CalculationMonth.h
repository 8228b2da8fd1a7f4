#pragma once

#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/db/Database.h"

namespace zarion::parameters {

// What the month chooser proposes when it opens: today's month and year; the advance up to the
// 15th and the final calculation from the 16th; only the final calculation, with no choice,
// when the month is not paid in two parts.
struct MonthProposal {
    int month = 0;
    int year = 0;
    bool final = false;
    bool kindChoosable = true;
};
MonthProposal proposeCalculationMonth(const Date& today, bool paidInTwoParts);

// postavke.na_pola_meseca: the month is paid as an advance and a final part. False while the
// settings have no row.
bool paidInTwoParts(db::Database& payrollDb);

// Years the month chooser offers.
constexpr int FirstCalculationYear = 2009;
constexpr int LastCalculationYear = 2099;

// Starting a month fixes its rates: the first start copies the current parametri into the
// month's row of parametri_po_mesecima; a later start keeps the month's row and names the
// columns whose current value differs from it.
struct MonthStart {
    enum class Outcome { Copied, AlreadyStarted, NoCurrentParameters };
    Outcome outcome = Outcome::Copied;
    std::vector<std::string> changedColumns; // AlreadyStarted: in the order of parametri
};
MonthStart startCalculationMonth(db::Database& payrollDb, int month, int year);

// "Parametar <column> se razlikuje od trenutne vrednosti!"
std::string parameterDiffersMessage(const std::string& column);
// Shown when a month is started before the current parameters are set.
std::string setParametersFirstMessage();

} // namespace zarion::parameters
