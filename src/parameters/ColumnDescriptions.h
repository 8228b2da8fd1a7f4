#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zarion::parameters {

// The operator's Serbian words for the single-row tables: a title for each table and a
// description for each of its columns, kept with the schema. Names match without regard to case.
class ColumnDescriptions {
public:
    struct Entry {
        std::string table;
        std::string column; // empty: the entry is the table's title
        std::string text;
    };

    // Lines "table TAB column TAB description", where several tables may share a line joined by
    // commas and an empty column gives the table's title; blank lines and lines beginning with
    // "#" are skipped. Throws std::invalid_argument naming a line that is not of this form or
    // describes a table or column a second time.
    static ColumnDescriptions parse(std::string_view text);

    // The table kept with the schema, read on first use.
    static const ColumnDescriptions& standard();

    // Empty when the table or the column is not described.
    std::string_view title(std::string_view table) const;
    std::string_view description(std::string_view table, std::string_view column) const;

    // One entry per table named on a line, in the order of the lines.
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::string_view find(std::string_view table, std::string_view column) const;

    std::vector<Entry> entries_;
    std::map<std::pair<std::string, std::string>, std::size_t> byName_; // names in upper case
};

} // namespace zarion::parameters
