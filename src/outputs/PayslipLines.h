#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/NumberFormat.h"
#include "outputs/PayrollList.h"
#include "payroll/MonthParameters.h"

namespace zarion::outputs {

// The four payslips: the salary payslip of hourly pricing, and with coefficient pricing the
// public-sector payslip of a month paid at once, the first part and the final of the whole month.
enum class PayslipVariant { Salary, PublicSector, FirstPart, Final };

// The payslip a calculation method (postavke.nacin_obracuna, non-zero for coefficient pricing)
// prints for the payment.
PayslipVariant payslipVariant(bool coefficientPricing, Payment payment);

// The payslip's title: "OBRAČUN ZARADA I DRUGIH PRIMANJA ZAPOSLENIH" with " - I Deo",
// " - II Deo - Konačna" or " - Konačna" by payment; "OBRAČUN PLATE I DRUGIH PRIMANJA
// ZAPOSLENIH"; "PRVI DEO PLATE"; "KONAČNI OBRAČUN - CEO MESEC".
std::string payslipTitle(PayslipVariant variant, Payment payment);

// A rate, hours or a coefficient as the payslip prints it: the number in the given form with a
// decimal comma ("26,00", "7,5").
std::string withComma(double value, NumberFormat form);

// One line of the payslip body: a heading, an item with its rate, hours and amount, or a total.
struct PayslipLine {
    enum class Kind { Heading, Item, Total };
    Kind kind = Kind::Item;
    std::string label;
    std::string rate;  // "(10,00%)", empty when the item has none
    std::string hours; // empty when the item has none
    std::optional<Currency> amount;
};

// The body of the payslip, from the earnings down to the employer's total obligation. An
// additional employer contribution whose rate is 0 is left out.
std::vector<PayslipLine> payslipLines(PayslipVariant variant, const PayrollRow& row,
                                      const payroll::MonthParameters& rates);

} // namespace zarion::outputs
