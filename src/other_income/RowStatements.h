#pragma once

#include <span>
#include <string>
#include <string_view>

// The statements that store an order or a person's row whole: a new row is added with every
// value in one statement, so the history records its posting once, with what it holds.
namespace zarion::other_income {

// "INSERT INTO table (a, b) VALUES (?, ?)"
std::string insertStatement(std::string_view table, std::span<const char* const> columns);

// "UPDATE table SET a = ?, b = ? WHERE key = ?"
std::string updateStatement(std::string_view table, std::span<const char* const> columns,
                            std::string_view key);

} // namespace zarion::other_income
