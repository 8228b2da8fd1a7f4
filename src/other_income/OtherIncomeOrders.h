#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "other_income/OtherIncomeCalculation.h"

// The orders of other income (nalozi_ostale_zarade): the date, the title and the rates and
// accounts that apply to every person paid under the order.
namespace zarion::other_income {

struct OtherIncomeOrder {
    std::int64_t id_noz = 0; // 0 for an order not yet stored
    int tip_noz = 0;
    Date Datum;
    std::string Naziv;
    RowRates rates;
    std::string racun_poreza;
    std::string poziv_poreza;
};

// The kind's orders that are not removed, the newest first.
std::vector<OtherIncomeOrder> ordersOfKind(db::Database& payroll, int kind);
std::optional<OtherIncomeOrder> loadOrder(db::Database& payroll, std::int64_t id_noz);

// The newest order of the kind paid in the month, not removed.
std::optional<OtherIncomeOrder> orderOfMonth(db::Database& payroll, int kind, int year, int month);

// "12 - 15.03.2026 - Honorari za mart"
std::string orderCaption(const OtherIncomeOrder& order);

// A new order of the kind, dated `today`: the rates of the kind's newest order, or, for a kind
// without orders, the tax rate of the current parameters and the tax account and reference of the
// payment accounts.
OtherIncomeOrder newOrder(db::Database& payroll, int kind, const Date& today);

// Stores the order, editing its row or adding one of its kind; gives its number. Refused with
// "Niste uneli opis naloga!" when the title is blank.
Outcome<std::int64_t> saveOrder(db::Database& payroll, const OtherIncomeOrder& order);

// Removes the order from the lists: it is flagged, never deleted, and its rows stay.
void removeOrder(db::Database& payroll, std::int64_t id_noz);

} // namespace zarion::other_income
