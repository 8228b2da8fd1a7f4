#pragma once

#include <functional>

#include "core/db/Database.h"
#include "outputs/DeclarationChecks.h"
#include "outputs/DeclarationProducer.h"
#include "outputs/PayrollList.h"
#include "payroll/Settings.h"

namespace zarion::outputs {

// The income code of a new employee whose tax and contributions are partly relieved.
inline constexpr std::string_view NewEmployeeReliefCode = "101101260";

// The relief percentages of a new employee's tax and contributions.
struct ReliefPercentages {
    double porez = 0;
    double PIO = 0;
    double ZO = 0;
    double NEZ = 0;
};

// Asked once, and only when a listed employee carries the relief code.
using AskRelief = std::function<ReliefPercentages()>;

// The payroll list declared: its employees in the list's order, then the owners; the income code
// from the register, the month's days, hours and fund, the amounts of the calculation less the
// other income linked to it, the relief of new employees, and for the second payment the special
// elements from the first part. The first payment declares an advance, the second (or linked
// other income) the final part.
class PayrollListProducer final : public DeclarationProducer {
public:
    PayrollListProducer(db::Database& payroll, const PayrollList& list,
                        const payroll::Settings& settings, AskRelief askRelief);
    Outcome<DeclarationFill> fill() override;

private:
    db::Database& payroll_;
    const PayrollList& list_;
    const payroll::Settings& settings_;
    AskRelief askRelief_;
};

// What a salary row's amounts must agree with: the month's tax rate, both shares of each
// contribution and the month's lowest and highest base.
DeclarationRates salaryRates(const payroll::MonthParameters& month);

} // namespace zarion::outputs
