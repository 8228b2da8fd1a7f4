#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "TempDir.h"
#include "Templates.h"
#include "core/db/Database.h"
#include "employees/EmployeeRecord.h"

namespace zarion::test {

// A fresh payroll database made from the template, municipalities included.
class EmployeesTest : public ::testing::Test {
protected:
    EmployeesTest()
        : db(db::Database::create(dir / "plate.db")) {
        db->execScript("PRAGMA synchronous = OFF");
        db::Transaction tx(*db);
        db->execScript(schema::payrollSql());
        db->execScript(schema::municipalitiesSql());
        tx.commit();
    }

    // An employee as the register lists him; only what a test looks at.
    struct Seed {
        std::string surname = "Petrovi\xC4\x87"; // Petrović
        std::string name = "Marko";
        std::int64_t unit = 0;
        std::int64_t bank = 0;
        int calcType = 0;
        bool fixedTerm = false;
        bool inactive = false;
        bool owner = false;
    };
    std::int64_t addEmployee(const Seed& s) {
        db->run("INSERT INTO radnici(Prezime, Ime, id_rj, ID_BAnka, tip_obracuna, na_odredjeno, "
                "datum_na_odredjeno, nije_u_ro, vlasnik) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                s.surname, s.name, s.unit, s.bank, s.calcType, s.fixedTerm,
                s.fixedTerm ? std::optional<Date>(Date{2026, 6, 30}) : std::nullopt, s.inactive,
                s.owner);
        return db->lastInsertId();
    }
    std::int64_t addUnit(const std::string& name) {
        db->run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", name);
        return db->lastInsertId();
    }
    std::int64_t addBank(const std::string& name) {
        db->run("INSERT INTO banke(banka, tekuci_Racun) VALUES (?, ?)", name, "160-1-11");
        return db->lastInsertId();
    }
    std::int64_t count(const std::string& table) {
        return db->scalar("SELECT count(*) FROM " + table).value_or(-1);
    }
    static employees::EmployeeForm form(const std::string& surname, const std::string& name) {
        employees::EmployeeForm f;
        f.prezime = surname;
        f.ime = name;
        f.datum = Date{2024, 3, 1};
        f.vrsta = "01 Zaposleni ";
        return f;
    }

    TempDir dir;
    std::unique_ptr<db::Database> db;
};

} // namespace zarion::test
