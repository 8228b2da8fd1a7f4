#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "EmployeeSeed.h"
#include "RecordRows.h"
#include "core/CalculationKind.h"
#include "core/Currency.h"
#include "core/db/Database.h"
#include "payroll/MonthParameters.h"
#include "payroll/SalaryResult.h"

namespace zarion::test {

// Posted months in a payroll database made from the template: the month's rates, units,
// municipalities, employees, calculations with their deductions, as the posting writes them.
class PostedSalaries {
public:
    explicit PostedSalaries(db::Database& payroll)
        : db_(payroll) {}

    void monthRates(int year, int month, const payroll::MonthParameters& rates) {
        startMonth(db_, year, month, rates);
    }
    std::int64_t unit(const std::string& name) {
        db_.run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", name);
        return db_.lastInsertId();
    }
    void municipality(int code, const std::string& name) {
        db_.run("INSERT INTO opstine(SIFRA, Naziv) VALUES (?, ?)", code, name);
    }
    // An employee as the payroll outputs print one: what the seed leaves empty reads as an
    // employed accountant with a university degree living in Obilićeva 5.
    std::int64_t employee(EmployeeSeed e) {
        e.jmbg = e.jmbg.value_or("0101990710011");
        e.jobTitle = e.jobTitle.value_or("Knjigovođa");
        e.qualification = e.qualification.value_or("VSS");
        e.address = e.address.value_or("Obilićeva 5");
        e.insuredKind = e.insuredKind.value_or("01");
        return addEmployee(db_, e);
    }
    // A posted final calculation (or advance) with every column of the result.
    std::int64_t salary(CalculationKind kind, std::int64_t employee, int year, int month,
                        const payroll::SalaryResult& result, Currency cash = {}, int days = 0) {
        const std::string table =
            kind == CalculationKind::Advance ? "akontacija_obracuni" : "obracuni";
        db_.run("INSERT INTO " + table +
                    "(ID_RADNIK, MEsec, GODINA, na_ruke, m4dani) VALUES (?, "
                    "?, ?, ?, ?)",
                employee, month, year, cash, days);
        const std::int64_t id = db_.lastInsertId();
        for (const payroll::ResultColumn& column : payroll::resultColumns(result, kind))
            std::visit(
                [&](const auto& value) {
                    db_.run("UPDATE " + table + " SET " + std::string(column.name) +
                                " = ? WHERE Id_obracun = ?",
                            value, id);
                },
                column.value);
        return id;
    }
    // A deduction withheld from a calculation; id_or names the employee's deduction or loan.
    void deduction(std::int64_t calculation, bool advance, const std::string& creditor,
                   Currency amount, std::int64_t id_or = 0) {
        db_.run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, kreditor, Iznos, id_or) "
                "VALUES (?, ?, ?, ?, ?)",
                calculation, advance, creditor, amount, id_or);
    }
    // Other income of the person linked to a salary calculation.
    void linkedOtherIncome(std::int64_t calculation, std::int64_t employee, Currency net) {
        db_.run("INSERT INTO obracun_ostale_zarade(ID_RADNIK, NETO) VALUES (?, ?)", employee, net);
        db_.run("INSERT INTO obracuni_ostale_zarade_veza(ID_obracun, ID_OOz) VALUES (?, ?)",
                calculation, db_.lastInsertId());
    }

private:
    db::Database& db_;
};

} // namespace zarion::test
