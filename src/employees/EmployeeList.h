#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/db/Database.h"

// The list of the employee register: which rows its filters let through and what it shows.
namespace zarion::employees {

enum class TermFilter { All = 0, OpenEnded = 1, FixedTerm = 2 };

struct ListFilter {
    std::int64_t unit = 0;                      // 0: every unit
    std::optional<int> calcType = std::nullopt; // nothing: every type
    TermFilter term = TermFilter::All;
    bool includeInactive = false; // else only rows with nije_u_ro False
};

struct ListRow {
    std::int64_t id = 0;
    std::string surname;
    std::string name;
    std::string jmbg;
    int calcType = 0;
    bool fixedTerm = false;
    std::optional<Date> termEnd;
    bool inactive = false;
    std::string contract;
    std::string annex;
    bool owner = false;
};

// The rows in the order of the table, one query with the filters bound.
std::vector<ListRow> loadEmployeeList(db::Database& db, const ListFilter& filter);

// The list's columns and their texts.
enum ListColumn {
    ColName, // surname and first name joined by a blank
    ColId,
    ColJmbg,
    ColCalcType, // "0-Red.rad puno RV"
    ColTerm,     // "Određeno" / "Neodredjeno"
    ColTermEnd,  // the end of the fixed term, empty otherwise
    ColActive,   // "A" / "N"
    ColContract,
    ColAnnex,
    ListColumnCount
};
const std::vector<std::string>& listHeadings();
std::string listText(const ListRow& row, int column);

// Sorts the rows by a column: the number and the date by value, every text (the name first of all)
// in the Serbian alphabet; rows that tie keep their order.
void sortList(std::vector<ListRow>& rows, ListColumn column, bool descending);

// "Uk.prikazano: " and the number of rows.
std::string shownCountText(std::size_t rows);

} // namespace zarion::employees
