#pragma once

// A large company for the benchmarks: 10,000 employees, each with a standing deduction and a loan
// and twelve months of history, in a payroll database made from the template.
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "Templates.h"
#include "core/db/Database.h"

namespace zarion::bench {

constexpr int employeeCount = 10000;
constexpr int year = 2026;
constexpr int month = 12;

inline void insertMonthParameters(db::Database& db) {
    db.run("INSERT INTO parametri_po_mesecima (MEsec, GODINA, porez_zarade, "
           "iznos_poreskog_oslobojenja, Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost, "
           "Doprinosi_PIO_F, Doprinosi_zo_F, doprinosi_nezaposlenost_f, minimalna_osnovica, "
           "maksimalna_osnovica, minimalna_osnovna, cena_Rada, minuli_rad, produzeni_rad, "
           "nocni_rad, rad_na_praznik, placeno_odsustvo, topli_obrok, regres, prosecna_ocena_RU) "
           "VALUES (?, ?, 10, ?, 14, 5.15, 0.75, 10, 5.15, 0, ?, ?, ?, ?, 0.4, 26, 26, 110, 60, "
           "?, ?, 4)",
           month, year, Currency::fromUnits(34221), Currency::fromUnits(51297),
           Currency::fromUnits(732820), Currency::fromUnits(65296), Currency::fromUnits(20000),
           Currency::fromUnits(6000), Currency::fromUnits(2500));
    db.run("INSERT INTO postavke (nacin_obracuna, fiksni_sati, na_pola_meseca, solidarni_porez, "
           "ukupan_minuli_rad) VALUES (1, 0, 0, 1, 0)");
    db.run("INSERT INTO kurs (kurs_eur, kurs_chf, kurs_usd) VALUES (117.2, 125.1, 105.3)");
}

// Employees that differ in coefficient, service and history; each with the union fee (a
// percentage) and a loan in euros.
inline void insertCompany(db::Database& db) {
    db.run("INSERT INTO obustaveproc (obustava, procenat, Tip, tekuci_Racun) "
           "VALUES ('Sindikat', 1, 0, '205-1-11')");
    const std::int64_t union_ = db.lastInsertId();
    db.run("INSERT INTO obustaveproc (obustava, procenat, Tip, tekuci_Racun) "
           "VALUES ('Banka', 0, 3, '160-2-22')");
    const std::int64_t bank = db.lastInsertId();
    const std::string employee =
        ("INSERT INTO radnici (Prezime, Ime, KOEFICIJENT, funkcijski_dodatak, Datum, "
         "pg, Pm, tekuci_Racun) VALUES (?, ?, ?, ?, ?, ?, ?, '160-0000000001234-56')");
    const std::string participation =
        ("INSERT INTO obustave_radnici (id_obustava, ID_RADNIK, POCETAK, kraj, valuta, "
         "Iznos, prvi_deo, drugi_deo) VALUES (?, ?, '2020-01-01', '2099-12-01', ?, ?, "
         "?, ?)");
    const std::string history =
        ("INSERT INTO obracuni (ID_RADNIK, MEsec, GODINA, broj_sati, godisnji_s, "
         "NETO, BRUTO, bolovnje65_i) VALUES (?, ?, ?, ?, ?, ?, ?, 0)");
    for (int i = 0; i < employeeCount; ++i) {
        db.run(employee, "Prezime" + std::to_string(i), std::string("Ime"), 1.5 + (i % 40) * 0.05,
               (i % 7) * 0.05, Date{1990 + i % 35, 1 + i % 12, 1}, i % 4, i % 11);
        const std::int64_t id = db.lastInsertId();
        db.run(participation, union_, id, 0, 0.0, 0.0, 0.0);
        db.run(participation, bank, id, 1, 100.0, 50.0, 50.0);
        for (int back = 1; back <= 12; ++back) {
            const int m = month - back < 1 ? month - back + 12 : month - back;
            const int y = month - back < 1 ? year - 1 : year;
            db.run(history, id, m, y, 168.0 - (i % 9), (i % 5 == 0) ? 16.0 : 0.0,
                   Currency::fromUnits(70000 + (i % 300) * 100),
                   Currency::fromUnits(98000 + (i % 300) * 140));
        }
    }
}

// A company database from the template in a folder of its own, removed at the end.
class Company {
public:
    Company() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("zarion-bench-batch-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        db_ = db::Database::create(folder_ / "plate.db");
        db::Transaction tx(*db_);
        db_->execScript(schema::payrollSql());
        insertMonthParameters(*db_);
        insertCompany(*db_);
        tx.commit();
    }
    ~Company() {
        db_.reset();
        std::filesystem::remove_all(folder_);
    }
    Company(const Company&) = delete;
    Company& operator=(const Company&) = delete;

    db::Database& db() { return *db_; }

    // Takes the month's final calculations and their deductions away again.
    void clearMonth() {
        db::Transaction tx(*db_);
        db_->run("DELETE FROM obracun_obustava");
        db_->run("DELETE FROM obracuni WHERE MEsec = ? AND GODINA = ?", month, year);
        tx.commit();
    }

private:
    std::filesystem::path folder_;
    std::unique_ptr<db::Database> db_;
};

inline Company& company() {
    static Company instance;
    return instance;
}

} // namespace zarion::bench
