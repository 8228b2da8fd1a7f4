#pragma once

#include <cstdint>
#include <string>

#include "EmployeeSeed.h"
#include "RecordRows.h"
#include "core/Dates.h"
#include "core/db/Database.h"

namespace zarion::test {

inline std::int64_t addEmployee(db::Database& db, const std::string& surname, double coefficient,
                                const Date& employed = {2016, 3, 1}) {
    return addEmployee(db, {.surname = surname,
                            .name = "Radnik",
                            .coefficient = coefficient,
                            .employed = employed,
                            .account = "160-0000000001234-56"});
}

// A deduction definition of the given type; returns its id_obustava_proc.
inline std::int64_t addDeduction(db::Database& db, const std::string& name, int type,
                                 double amount) {
    db.run("INSERT INTO obustaveproc (obustava, procenat, Tip, tekuci_Racun, zbirno_placanje) "
           "VALUES (?, ?, ?, '205-11111-22', 1)",
           name, amount, type);
    return db.lastInsertId();
}

// The employee takes part in the deduction from 2000 to 2099; a loan with its instalment and
// both parts of it.
inline void assignDeduction(db::Database& db, std::int64_t employeeId, std::int64_t deductionId,
                            double instalment = 0, double firstPart = 0, double secondPart = 0) {
    db.run("INSERT INTO obustave_radnici (id_obustava, ID_RADNIK, POCETAK, kraj, valuta, Iznos, "
           "prvi_deo, drugi_deo, POziv_na_broj) VALUES (?, ?, '2000-01-01', '2099-12-31', 0, ?, "
           "?, ?, '97-123')",
           deductionId, employeeId, instalment, firstPart, secondPart);
}

} // namespace zarion::test
