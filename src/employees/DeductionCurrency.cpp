#include "employees/DeductionCurrency.h"

namespace zarion::employees {

bool isForeignCurrency(int valuta) {
    return valuta >= static_cast<int>(LoanCurrency::EUR) &&
           valuta <= static_cast<int>(LoanCurrency::USD);
}

std::string currencyCode(int valuta) {
    switch (static_cast<LoanCurrency>(valuta)) {
    case LoanCurrency::EUR:
        return "EUR";
    case LoanCurrency::CHF:
        return "CHF";
    case LoanCurrency::USD:
        return "USD";
    default:
        return "RSD";
    }
}

std::vector<std::string> currencyTexts() {
    std::vector<std::string> texts;
    for (int valuta = 0; valuta <= 3; ++valuta)
        texts.push_back(std::to_string(valuta) + " - " + currencyCode(valuta));
    return texts;
}

double ExchangeRates::rate(int valuta) const {
    switch (static_cast<LoanCurrency>(valuta)) {
    case LoanCurrency::EUR:
        return kurs_eur;
    case LoanCurrency::CHF:
        return kurs_chf;
    case LoanCurrency::USD:
        return kurs_usd;
    default:
        return 1;
    }
}

ExchangeRates loadExchangeRates(db::Database& db) {
    ExchangeRates rates;
    auto st = db.prepare("SELECT kurs_eur, kurs_chf, kurs_usd FROM kurs LIMIT 1");
    if (st.step()) {
        rates.kurs_eur = st.number(0);
        rates.kurs_chf = st.number(1);
        rates.kurs_usd = st.number(2);
    }
    return rates;
}

Currency toDinars(Currency amount, int valuta, const ExchangeRates& rates) {
    if (!isForeignCurrency(valuta))
        return amount;
    return amount.times(rates.rate(valuta)).round0();
}

} // namespace zarion::employees
