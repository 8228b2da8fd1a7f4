#include "parameters/ColumnDescriptions.h"

#include <stdexcept>

#include "Templates.h"
#include "core/Text.h"

namespace zarion::parameters {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

[[noreturn]] void refuse(std::size_t lineNumber, const std::string& reason) {
    throw std::invalid_argument("column descriptions, line " + std::to_string(lineNumber) + ": " +
                                reason);
}

} // namespace

ColumnDescriptions ColumnDescriptions::parse(std::string_view text) {
    ColumnDescriptions described;
    const std::vector<std::string_view> lines = split(text, '\n');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trim(lines[i]);
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> fields = split(line, '\t');
        if (fields.size() != 3)
            refuse(i + 1, "table, column and description separated by tabs expected");
        const std::string column = trim(fields[1]);
        const std::string description = trim(fields[2]);
        if (description.empty())
            refuse(i + 1, "no description");
        for (std::string_view listed : split(fields[0], ',')) {
            const std::string table = trim(listed);
            if (table.empty())
                refuse(i + 1, "no table");
            const auto [at, added] = described.byName_.emplace(
                std::pair(toUpper(table), toUpper(column)), described.entries_.size());
            if (!added)
                refuse(i + 1, table + (column.empty() ? "" : "." + column) + " described twice");
            described.entries_.push_back({table, column, description});
        }
    }
    return described;
}

const ColumnDescriptions& ColumnDescriptions::standard() {
    static const ColumnDescriptions described = parse(schema::columnDescriptionsTsv());
    return described;
}

std::string_view ColumnDescriptions::title(std::string_view table) const {
    return find(table, {});
}

std::string_view ColumnDescriptions::description(std::string_view table,
                                                 std::string_view column) const {
    return column.empty() ? std::string_view() : find(table, column);
}

std::string_view ColumnDescriptions::find(std::string_view table, std::string_view column) const {
    const auto at = byName_.find(std::pair(toUpper(table), toUpper(column)));
    return at == byName_.end() ? std::string_view() : std::string_view(entries_[at->second].text);
}

} // namespace zarion::parameters
