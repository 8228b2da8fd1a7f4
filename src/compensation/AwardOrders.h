#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compensation/AwardCalculation.h"
#include "core/Currency.h"
#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::compensation {

// The two kinds of award orders of nalozi_ostale_zarade.
enum class AwardKind { Jubilee = 1, Annual = 2 };

// "1 - Jubilarne nagrade", "2 - Godišnje nagrade".
std::string awardKindCaption(AwardKind kind);

// A payment run of awards with the parameters copied when it was made.
struct AwardOrder {
    std::int64_t id_noz = 0;
    int tip_noz = 1;
    Date Datum;
    std::string Naziv;
    double porez_zarade = 0;
    std::string racun_porez_na_plate;
    std::string poziv_na_broj_porez;
    Currency neoporezivi_deo;
    double normirani_troskovi = 0;
    Currency minimalna_osnovica;
    double Doprinosi_PIO = 0;
    double Doprinosi_zo = 0;
    double doprinosi_nezaposlenost = 0;
    double Doprinosi_PIO_F = 0;
    double Doprinosi_zo_F = 0;
    double doprinosi_nezaposlenost_f = 0;

    AwardRates rates() const;
    // "<id> - <date> - <name>", as the order box shows it.
    std::string caption() const;
};

// The orders of the kind not deleted, the latest first.
std::vector<AwardOrder> awardOrders(db::Database& payroll, AwardKind kind);
std::optional<AwardOrder> loadAwardOrder(db::Database& payroll, std::int64_t id);

// A new order of the kind on the date, under the name, with the non-taxable amount: the rates of
// the latest order of the kind, else the current rates of parametri; the tax account from the
// payment accounts of the kind. Jubilee awards refuse without them ("Unesite uplatne racune za
// Jubilarne nagrade!").
Outcome<AwardOrder> createAwardOrder(db::Database& payroll, AwardKind kind, const Date& date,
                                     const std::string& name, Currency nonTaxable);

// One employee's award in an order, with what the order's list shows of him.
struct AwardPayment {
    std::int64_t id_ooz = 0;
    std::int64_t id_noz = 0;
    std::int64_t ID_RADNIK = 0;
    AwardFigures figures;
    double POrez_stopa = 0;
    std::string name;        // "Prezime Ime"
    std::int64_t bankId = 0; // the employee's bank in the register, 0 when none
    std::string bank;
    std::string account;
    std::string jobTitle;
    std::int64_t municipality = 0;
    std::string JMBG;
    std::string surname;
    std::string firstName;
};

// The awards paid through the bank (its ID_BAnka); bank 0 takes them all.
std::vector<AwardPayment> paidThroughBank(const std::vector<AwardPayment>& payments,
                                          std::int64_t bankId);

// The awards of the order, in Serbian order of the names.
std::vector<AwardPayment> awardPayments(db::Database& payroll, std::int64_t orderId);
// The employee's award in the order, when he has one.
std::optional<AwardPayment> awardPayment(db::Database& payroll, std::int64_t orderId,
                                         std::int64_t employeeId);

// Adds the employee's award to the order or corrects the one he has; refuses without an employee
// or order ("Niste uneli potrebne podatke!").
Refused postAwardPayment(db::Database& payroll, const AwardOrder& order, std::int64_t employeeId,
                         const AwardFigures& figures);
void deleteAwardPayment(db::Database& payroll, std::int64_t id_ooz);
// "Da li ste sigurni da zelite da obrisete obracun za radnika: <name> u nalogu <order>".
std::string awardRemovalQuestion(const AwardPayment& payment, std::int64_t orderId);

} // namespace zarion::compensation
