#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Dates.h"
#include "core/db/Database.h"

namespace zarion::test {

// An employee of the register with only what a test looks at; a field left empty is not
// written, so the table's own default stands.
struct EmployeeSeed {
    std::string surname = "Petrović";
    std::string name = "Marko";
    std::optional<std::string> jmbg = {};
    std::optional<std::int64_t> unit = {};
    std::optional<std::int64_t> bank = {};
    int calcType = 0;
    std::optional<Date> termEnd = {}; // a fixed-term contract ending that day
    bool inactive = false;
    bool owner = false;
    std::optional<double> coefficient = {};
    std::optional<Date> employed = {};
    std::optional<std::string> account = {};
    std::optional<bool> intoAccount = {};
    std::optional<std::string> jobTitle = {};
    std::optional<std::string> qualification = {}; // sss
    std::optional<std::string> address = {};
    std::optional<std::int64_t> municipality = {}; // sifra_opstine
    std::optional<std::string> insuredKind = {};   // vrsta: "01" an employee
};

// Writes the employee into `radnici`; returns his id_radnik.
std::int64_t addEmployee(db::Database& db, const EmployeeSeed& seed);

} // namespace zarion::test
