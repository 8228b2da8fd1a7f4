#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::compensation {

// An employee who is a work invalid of the II or III category, with his monthly net compensation.
struct DisabledPerson {
    std::int64_t id_invalid = 0;
    std::int64_t id_radnik = 0;
    std::string kategorija;
    Currency naknada;
    std::string name; // "Prezime Ime"
    std::string JMBG;
};

// Every registered person, in Serbian order of the names.
std::vector<DisabledPerson> disabledPersons(db::Database& payroll);
// Registers the employee ("Vec ste ubacili invalida!" when he is already in the list).
Refused addDisabledPerson(db::Database& payroll, std::int64_t employeeId,
                          const std::string& category, Currency compensation);
// A new compensation ("Greska kod pronalazenja invalida!" when the row has vanished).
Refused changeDisabledCompensation(db::Database& payroll, std::int64_t id_invalid,
                                   Currency compensation);

// The one row of control parameters of the compensations, all typed by hand.
struct DisabledControl {
    Currency m2003; // compensation of March 2003, the reference month
    Currency p2003; // 50 % of the average monthly salary of 2003
    double zadnji_procenat = 0;
    Currency uskladjen;      // the adjusted amount: paid when the person's own is lower
    double Doprinosi_zo = 0; // health-contribution rate, %
    std::string tekuci_zo;
};
std::optional<DisabledControl> loadDisabledControl(db::Database& payroll);
void saveDisabledControl(db::Database& payroll, const DisabledControl& control);

// The figures of one month's compensation.
struct DisabledFigures {
    Currency paid;   // the larger of the net compensation and the adjusted amount
    Currency gross;  // paid × 100 / (100 − tax rate)
    Currency tax;    // gross − paid
    Currency health; // paid × health rate / 100
    Currency refund; // gross + health
};
Outcome<DisabledFigures> disabledFigures(Currency net, Currency adjusted, double taxRate,
                                         double healthRate);

// One row of invalidi_obracuni.
struct DisabledCalculation {
    std::int64_t ID_RADNIK = 0;
    int MEsec = 0;
    int GODINA = 0;
    double broj_sati = 0;
    Currency NETO;
    Currency uskladjeni;
    Currency porez_na_zaradu;
    Currency Doprinosi_zo_F;
    Currency BRUTO;
    Currency za_refundaciju;
    std::string tekuci_Racun;
    double DZO_Procenat = 0;

    Currency paid() const { return NETO > uskladjeni ? NETO : uskladjeni; }
};

// The employee's posted row of the month, or a new one from his compensation and the adjusted
// amount over the month's hour fund. Refuses without the control row ("Unesite parametre za
// obracun naknada invalida") and for a person not registered.
Outcome<DisabledCalculation> disabledCalculation(db::Database& payroll, std::int64_t employeeId,
                                                 int year, int month);
// The figures of the row by the month's tax rate and the health rate of the control row.
Outcome<DisabledCalculation> calculateDisabled(db::Database& payroll, DisabledCalculation row);
// Adds the row or updates the employee's row of the month, in one transaction.
void postDisabledCalculation(db::Database& payroll, const DisabledCalculation& row);
// Every row of the month, in the order of the employees' ids.
std::vector<DisabledCalculation> disabledCalculationsOfMonth(db::Database& payroll, int year,
                                                             int month);

} // namespace zarion::compensation
