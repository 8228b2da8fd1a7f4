#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "core/Currency.h"
#include "core/Dates.h"
#include "core/db/Database.h"

namespace zarion::test {

// The rows the deduction and loan tests stand on, in a payroll database made from the template:
// employees, deductions and creditors, loans, exchange rates and posted calculations.
class DeductionDb {
public:
    // Its own fresh database, or the rows written into the given one.
    DeductionDb()
        : own_(std::in_place)
        , db_(own_->get()) {}
    explicit DeductionDb(db::Database& db)
        : db_(&db) {}

    db::Database& db() { return *db_; }
    // The folder of its own database.
    const std::filesystem::path& folder() const { return own_->folder(); }

    std::int64_t employee(const std::string& surname, const std::string& name,
                          bool inactive = false, const std::string& jmbg = "0101990710011") {
        return addEmployee(*db_,
                           {.surname = surname, .name = name, .jmbg = jmbg, .inactive = inactive});
    }

    // Tip 0 percentage, 1 fixed, 2 variable, 3 creditor of loans.
    std::int64_t deduction(const std::string& name, int tip, double value,
                           const std::string& account = "160-0000000012345-67",
                           const std::string& reference = "") {
        db_->run("INSERT INTO obustaveproc(obustava, procenat, Tip, tekuci_Racun, "
                 "zbirno_placanje, poziv) VALUES (?, ?, ?, ?, 1, ?)",
                 name, value, tip, account, reference);
        return db_->lastInsertId();
    }

    std::int64_t participation(std::int64_t employeeId, std::int64_t deductionId, Date start,
                               Date end = {2099, 12, 31}) {
        db_->run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj) "
                 "VALUES (?, ?, ?, ?)",
                 deductionId, employeeId, start, end);
        return db_->lastInsertId();
    }

    struct LoanSeed {
        int startMonth = 1;
        int startYear = 2024;
        int endMonth = 12;
        int endYear = 2024;
        int valuta = 0;
        double iznos = 0;
        double prviDeo = 0;
        double drugiDeo = 0;
        std::string poziv = {};
    };
    std::int64_t loan(std::int64_t employeeId, std::int64_t creditorId, const LoanSeed& s) {
        const int months = (s.endYear - s.startYear) * 12 + s.endMonth - s.startMonth + 1;
        db_->run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj, valuta, "
                 "Iznos, prvi_deo, drugi_deo, ukupno_meseci, POziv_na_broj) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                 creditorId, employeeId, Date{s.startYear, s.startMonth, 1},
                 Date{s.endYear, s.endMonth, 1}, s.valuta, s.iznos, s.prviDeo, s.drugiDeo, months,
                 s.poziv);
        return db_->lastInsertId();
    }

    void twoParts(bool on) {
        db_->run("DELETE FROM postavke");
        db_->run("INSERT INTO postavke(na_pola_meseca) VALUES (?)", on ? 1 : 0);
    }

    void rates(double eur, double chf, double usd) {
        db_->run("DELETE FROM kurs");
        db_->run("INSERT INTO kurs(kurs_eur, kurs_chf, kurs_usd) VALUES (?, ?, ?)", eur, chf, usd);
    }

    // A posted calculation of the month: a final row of obracuni, or an advance row.
    std::int64_t calculation(std::int64_t employeeId, int year, int month, bool advance,
                             Currency net) {
        db_->run(std::string("INSERT INTO ") + (advance ? "akontacija_obracuni" : "obracuni") +
                     "(ID_RADNIK, GODINA, MEsec, NETO) VALUES (?, ?, ?, ?)",
                 employeeId, year, month, net);
        return db_->lastInsertId();
    }

    // A deduction row withheld in a posted calculation.
    void withheld(std::int64_t calculationId, bool advance, std::int64_t deductionId,
                  std::int64_t id_or, Currency amount) {
        db_->run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, Iznos, id_or) "
                 "VALUES (?, ?, ?, ?, ?)",
                 calculationId, advance, deductionId, amount, id_or);
    }

    std::int64_t count(const std::string& sql) { return db_->scalar(sql).value_or(-1); }

private:
    std::optional<TemplateDatabase> own_;
    db::Database* db_;
};

} // namespace zarion::test
