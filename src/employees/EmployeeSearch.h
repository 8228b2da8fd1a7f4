#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/db/Database.h"

// Finding an employee by a fragment of the name, for every window that picks one.
namespace zarion::employees {

struct FoundEmployee {
    std::int64_t id = 0;
    std::string surname;
    std::string name;
    std::string account; // tekuci_Racun
};

// Employees whose surname or first name holds the trimmed fragment, without regard to case
// (Serbian letters included); an empty fragment finds everyone. In the order of the table.
std::vector<FoundEmployee> findEmployees(db::Database& db, const std::string& fragment);

// "Prezime Ime" of an employee, empty when there is none with that number.
std::string employeeName(db::Database& db, std::int64_t id);

} // namespace zarion::employees
