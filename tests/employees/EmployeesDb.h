#pragma once

#include <gtest/gtest.h>
#include <string>

#include "EmployeeSeed.h"
#include "TemplateDatabase.h"
#include "employees/EmployeeRecord.h"

namespace zarion::test {

// A fresh payroll database made from the template, with the register's code lists at hand.
class EmployeesTest : public ::testing::Test {
protected:
    std::int64_t addEmployee(const EmployeeSeed& seed) { return test::addEmployee(*db, seed); }
    std::int64_t addUnit(const std::string& name) {
        db->run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", name);
        return db->lastInsertId();
    }
    std::int64_t addBank(const std::string& name) {
        db->run("INSERT INTO banke(banka, tekuci_Racun) VALUES (?, ?)", name, "160-1-11");
        return db->lastInsertId();
    }
    std::int64_t count(const std::string& table) {
        return db.count("SELECT count(*) FROM " + table);
    }
    static employees::EmployeeForm form(const std::string& surname, const std::string& name) {
        employees::EmployeeForm f;
        f.prezime = surname;
        f.ime = name;
        f.datum = Date{2024, 3, 1};
        f.vrsta = "01 Zaposleni ";
        return f;
    }

    TemplateDatabase db;
};

} // namespace zarion::test
