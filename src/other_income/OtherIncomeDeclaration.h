#pragma once

#include <optional>
#include <string>

#include "other_income/OtherIncomePrints.h"
#include "outputs/DeclarationChecks.h"
#include "outputs/DeclarationProducer.h"

namespace zarion::other_income {

// What the operator is asked before the order is declared.
struct DeclarationAnswers {
    std::string incomeCode;       // the nine-digit code of the kind of income
    std::optional<int> hoursFund; // asked when the settings keep no fixed fund
};

// The income code an advance is declared with unless the operator names another.
inline constexpr const char* AdvanceIncomeCode = "101101000";

// An order declared: one row per person paid, with the order's income code, the person's days
// and hours, the fund of the month, the gross, the bases, the tax and both shares of each
// contribution. Advances are declared as the advance of the month they are paid in.
class OrderDeclaration final : public outputs::DeclarationProducer {
public:
    OrderDeclaration(const PaidOrder& paid, const DeclarationAnswers& answers);
    Outcome<outputs::DeclarationFill> fill() override;

private:
    const PaidOrder& paid_;
    DeclarationAnswers answers_;
};

// The order's rates, which the return's checks hold the amounts to.
outputs::DeclarationRates orderRates(const OtherIncomeOrder& order);

} // namespace zarion::other_income
