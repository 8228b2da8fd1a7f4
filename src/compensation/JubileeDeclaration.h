#pragma once

#include "compensation/AwardOrders.h"
#include "core/db/Database.h"
#include "outputs/DeclarationChecks.h"
#include "outputs/DeclarationProducer.h"

namespace zarion::compensation {

// The return of a jubilee-award order: one row per award, income code "101110000", the tax on
// the part above the non-taxable amount and no contributions; the month of the order's date.
class JubileeDeclaration final : public outputs::DeclarationProducer {
public:
    JubileeDeclaration(db::Database& payroll, AwardOrder order);
    Outcome<outputs::DeclarationFill> fill() override;

private:
    db::Database& payroll_;
    AwardOrder order_;
};

// The rates the return's checks compare the award rows with.
outputs::DeclarationRates jubileeRates(const AwardOrder& order);

} // namespace zarion::compensation
