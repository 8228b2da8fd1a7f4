#pragma once

#include <span>
#include <string>
#include <variant>

#include "core/db/Database.h"
#include "payroll/MonthParameters.h"
#include "payroll/RecordFields.h"
#include "payroll/Settings.h"

namespace zarion::test {

// Writes a record as one row of a table, every field under its own name, plus the leading
// columns given as SQL text ("MEsec, GODINA" with their values).
template <typename Record>
void insertRecord(db::Database& db, const std::string& table,
                  std::span<const payroll::Field<Record>> fields, const Record& record,
                  const std::string& leadingNames = {}, const std::string& leadingValues = {}) {
    std::string names = leadingNames;
    std::string marks = leadingValues;
    for (const auto& field : fields) {
        if (!names.empty())
            names += ", ";
        if (!marks.empty())
            marks += ", ";
        names += field.name;
        marks += "?";
    }
    db::Statement insert =
        db.prepare("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")");
    int index = 0;
    for (const auto& field : fields)
        std::visit([&](auto member) { insert.bind(++index, record.*member); }, field.member);
    insert.run();
}

// The month's row of rates, every field of the parameters.
inline void startMonth(db::Database& db, int year, int month,
                       const payroll::MonthParameters& parameters) {
    insertRecord(db, "parametri_po_mesecima", payroll::monthParameterFields(), parameters,
                 "MEsec, GODINA", std::to_string(month) + ", " + std::to_string(year));
}

// The company's one row of settings.
inline void writeSettings(db::Database& db, const payroll::Settings& settings) {
    db.run("DELETE FROM postavke");
    insertRecord(db, "postavke", payroll::settingsFields(), settings);
}

} // namespace zarion::test
