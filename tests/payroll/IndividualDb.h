#pragma once

#include <cstdint>
#include <string>

#include "CompanyFixture.h"
#include "EmployeeSeed.h"
#include "PayrollFixtures.h"
#include "RecordRows.h"
#include "TemplateDatabase.h"
#include "core/Dates.h"

namespace zarion::test {

// The rows the individual calculation stands on, in a payroll database: March 2026 with the
// rates of month2026() priced by the hour (500 dinars an hour), and helpers for employees,
// deductions and advances.
class IndividualSeed {
public:
    explicit IndividualSeed(db::Database& db)
        : db_(&db) {
        payroll::MonthParameters m = month2026();
        m.cena_Rada = din("500");
        startMonth(*db_, 2026, 3, m);
        db_->run("INSERT INTO postavke(nacin_obracuna, fiksni_sati, na_pola_meseca) "
                 "VALUES (0, 0, 0)");
    }

    db::Database& db() { return *db_; }
    db::Database* get() { return db_; }

    std::int64_t employee(const std::string& surname, Date since, int kind = 0,
                          bool intoAccount = true) {
        return addEmployee(*db_, {.surname = surname,
                                  .name = "Ana",
                                  .jmbg = "0101990710011",
                                  .calcType = kind,
                                  .coefficient = 1,
                                  .employed = since,
                                  .account = "160-55-11",
                                  .intoAccount = intoAccount,
                                  .jobTitle = "Referent"});
    }

    // A deduction of `percent` % of the net for the employee from January 2026.
    std::int64_t percentDeduction(std::int64_t employeeId, double percent) {
        db_->run("INSERT INTO obustaveproc(obustava, procenat, Tip, tekuci_Racun, zbirno_placanje) "
                 "VALUES ('Sindikat', ?, 0, '205-1', 1)",
                 percent);
        const std::int64_t id = db_->lastInsertId();
        db_->run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj) "
                 "VALUES (?, ?, ?, ?)",
                 id, employeeId, Date{2026, 1, 1}, Date{2099, 12, 31});
        return id;
    }

    // An advance paid through an other-income order of the given date; returns its id_ooz.
    std::int64_t advance(std::int64_t employeeId, Date date, Currency net) {
        db_->run("INSERT INTO nalozi_ostale_zarade(tip_noz, Datum) VALUES (99, ?)", date);
        const std::int64_t order = db_->lastInsertId();
        db_->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, NETO) VALUES (?, ?, ?)",
                 order, employeeId, net);
        return db_->lastInsertId();
    }

    std::int64_t count(const std::string& sql) { return db_->scalar(sql).value_or(-1); }
    Currency money(const std::string& sql) {
        db::Statement row = db_->prepare(sql);
        return row.step() ? row.money(0) : Currency::fromUnits(-1);
    }

private:
    db::Database* db_;
};

struct FreshPayrollDatabase {
    TemplateDatabase fresh;
};

// A fresh payroll database seeded for the individual calculation (the database is a base so it
// exists before the seed writes into it).
class IndividualDb : private FreshPayrollDatabase, public IndividualSeed {
public:
    IndividualDb()
        : IndividualSeed(*fresh) {}
};

// The working context of the individual calculation on 20 March 2026, with March's final
// calculation chosen and the company's payroll database seeded as above.
struct IndividualContext : CompanyFixture {
    std::unique_ptr<IndividualSeed> seed;

    IndividualContext()
        : CompanyFixture({{2026, 3, 20}, 9, 0, 0}) {
        context.CalcYear = 2026;
        context.CalcMonth = 3;
        context.CalcFinal = true;
        seed = std::make_unique<IndividualSeed>(payroll());
    }
};

} // namespace zarion::test
