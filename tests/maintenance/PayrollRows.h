#pragma once

#include <cstdint>
#include <string>

#include "EmployeeSeed.h"
#include "core/Currency.h"
#include "core/db/Database.h"

namespace zarion::test {

// Rows of a payroll database made from the template, as the posting code writes them.
class PayrollRows {
public:
    explicit PayrollRows(db::Database& payroll)
        : db_(payroll) {}

    std::int64_t employee(const std::string& surname, const std::string& name = "Marko",
                          const std::string& jmbg = "") {
        return addEmployee(db_, {.surname = surname, .name = name, .jmbg = jmbg});
    }
    // A final calculation (obracuni) or an advance (akontacija_obracuni) with its net.
    std::int64_t calculation(bool advance, std::int64_t employee, int year, int month,
                             Currency net) {
        db_.run(std::string("INSERT INTO ") + (advance ? "akontacija_obracuni" : "obracuni") +
                    "(ID_RADNIK, GODINA, MEsec, KOEFICIJENT, cena_Rada, NETO, tekuci_Racun)"
                    " VALUES (?, ?, ?, 3.45, ?, ?, '160-0000000012345-67')",
                employee, year, month, Currency::fromRaw(12345678), net);
        return db_.lastInsertId();
    }
    std::int64_t finalCalc(std::int64_t employee, int year, int month, Currency net) {
        return calculation(false, employee, year, month, net);
    }
    std::int64_t advanceCalc(std::int64_t employee, int year, int month, Currency net) {
        return calculation(true, employee, year, month, net);
    }
    void deduction(std::int64_t calculationId, bool advance, Currency amount,
                   std::int64_t loan = 0) {
        db_.run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, kreditor,"
                " Iznos, id_or) VALUES (?, ?, 4, 'Banka Intesa', ?, ?)",
                calculationId, advance, amount, loan);
    }

    template <typename... Args>
    std::int64_t count(const std::string& sqlCount, const Args&... args) {
        return db_.scalar(sqlCount, args...).value_or(-1);
    }

    // Every row of the calculation and deduction tables as text, to compare before and after.
    std::string snapshot() {
        std::string out;
        for (const char* table : {"obracuni", "akontacija_obracuni", "akontacija_obracuni_obrisani",
                                  "obracun_obustava"}) {
            auto st = db_.prepare(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
            out += std::string(table) + ":\n";
            while (st.step()) {
                for (int i = 0; i < st.columnCount(); ++i)
                    out += st.text(i) + "|";
                out += "\n";
            }
        }
        return out;
    }

private:
    db::Database& db_;
};

} // namespace zarion::test
