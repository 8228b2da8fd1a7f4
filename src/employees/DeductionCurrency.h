#pragma once

#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"

namespace zarion::employees {

// Currency of a loan (obustave_radnici.valuta).
enum class LoanCurrency { RSD = 0, EUR = 1, CHF = 2, USD = 3 };

// EUR, CHF or USD.
bool isForeignCurrency(int valuta);
// "RSD", "EUR", "CHF", "USD"; a code outside 0 to 3 counts as dinars.
std::string currencyCode(int valuta);
// The texts of the currency box: "0 - RSD", "1 - EUR", "2 - CHF", "3 - USD".
std::vector<std::string> currencyTexts();

// The current rates of table kurs (its first row), dinars per unit; 0 while the table is empty.
struct ExchangeRates {
    double kurs_eur = 0;
    double kurs_chf = 0;
    double kurs_usd = 0;

    // The rate of the currency; 1 for dinars.
    double rate(int valuta) const;
};
ExchangeRates loadExchangeRates(db::Database& db);

// An amount in the loan's currency in dinars: as it is for dinars, otherwise times the rate and
// rounded to whole dinars, halves to the even dinar.
Currency toDinars(Currency amount, int valuta, const ExchangeRates& rates);

} // namespace zarion::employees
