#include "other_income/RowStatements.h"

namespace zarion::other_income {

std::string insertStatement(std::string_view table, std::span<const char* const> columns) {
    std::string names;
    std::string marks;
    for (const char* column : columns) {
        names += (names.empty() ? "" : ", ") + std::string(column);
        marks += marks.empty() ? "?" : ", ?";
    }
    return "INSERT INTO " + std::string(table) + " (" + names + ") VALUES (" + marks + ")";
}

std::string updateStatement(std::string_view table, std::span<const char* const> columns,
                            std::string_view key) {
    std::string assignments;
    for (const char* column : columns)
        assignments += (assignments.empty() ? "" : ", ") + std::string(column) + " = ?";
    return "UPDATE " + std::string(table) + " SET " + assignments + " WHERE " + std::string(key) +
           " = ?";
}

} // namespace zarion::other_income
