#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::outputs {

// The items of a payroll's posting order in their order, the owner's five after the eight of
// the employees.
constexpr std::size_t JournalItemCount = 13;

// An item as the order names it and the fields of gk_nalog that keep its two accounts.
struct JournalItemField {
    const char* label;
    const char* debit;
    const char* credit;
};
const std::array<JournalItemField, JournalItemCount>& journalItemFields();

// How the journal lines are made: from the accounts of the items, or by one of the schemes of
// the eight-digit chart.
enum class PostingScheme { Free = 0, First = 1, Second = 2, Third = 3 };

// The account mapping of table gk_nalog.
struct JournalSettings {
    std::array<std::string, JournalItemCount> debit;
    std::array<std::string, JournalItemCount> credit;
    std::optional<PostingScheme> scheme; // nothing until one is chosen
    std::int64_t journalType = 0;        // the bookkeeping module's journal type (id_tip)
};

// The first row of gk_nalog; empty settings when the table has none.
JournalSettings loadJournalSettings(db::Database& payroll);
// Stores the settings into the one row of gk_nalog; "Izaberite predefinisani tip knjiženja!"
// and nothing stored without a scheme.
Refused saveJournalSettings(db::Database& payroll, const JournalSettings& settings);

} // namespace zarion::outputs
