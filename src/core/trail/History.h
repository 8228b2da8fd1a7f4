#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/db/Database.h"

namespace zarion::trail {

// Which entries to show: a year with a range of months (0 for every month), one operator, one
// employee and one kind (empty or 0 for all).
struct HistoryFilter {
    int year = 0;
    int monthFrom = 0;
    int monthTo = 0;
    std::string operatorName;
    std::int64_t employeeId = 0;
    std::string kind;
};

// One column that went from one value to another; a value missing on one side is empty.
struct ColumnChange {
    std::string column;
    std::string before;
    std::string after;
};

struct HistoryEntry {
    std::int64_t id = 0;
    std::string when; // "YYYY-MM-DD HH:MM:SS"
    std::string operatorName;
    std::string command;
    std::string kind;
    std::string table;
    std::string key;
    std::int64_t employeeId = 0;
    std::string employeeName; // "Prezime Ime" of the employee register, when he is in it
    int month = 0;
    int year = 0;
    std::vector<ColumnChange> changes;
    std::string reason;
    std::string description;
};

// The entries that pass the filter, oldest first.
std::vector<HistoryEntry> loadHistory(db::Database& payroll, const HistoryFilter& filter);

// The operators named in the history, for choosing one.
std::vector<std::string> historyOperators(db::Database& payroll);

// The employees named in the history (number and "Prezime Ime"), in Serbian alphabetical order.
struct NamedEmployee {
    std::int64_t id = 0;
    std::string name;
};
std::vector<NamedEmployee> historyEmployees(db::Database& payroll);

// Every kind of entry with its caption, in the order a chooser lists them.
struct KindCaption {
    const char* kind;
    const char* caption; // YUSCII notation
};
const std::vector<KindCaption>& kindCaptions();
// The caption of a kind ("Ponovno knji`enje"), the kind itself when it has none.
std::string kindCaption(const std::string& kind);

// "BRUTO: 100.000,00 -> 110.000,00; NETO: ..." for a list line or a printed row.
std::string changesText(const std::vector<ColumnChange>& changes);

} // namespace zarion::trail
