#pragma once

#include "compensation/SickLeaveCases.h"
#include "outputs/DeclarationProducer.h"
#include "outputs/PayrollList.h"
#include "payroll/Settings.h"

namespace zarion::compensation {

// The income code of the return: "101204000" for sick leave over 30 days, "101206000" for
// maternity leave.
std::string leaveIncomeCode(LeaveKind kind);

// A compensation list declared: one row per compensation of the month in the list's order, the
// hours on leave against the month's fund, gross, tax base, tax, the contribution base and both
// shares of each contribution; the solidarity deduction is what is withheld from the net.
class LeaveListProducer final : public outputs::DeclarationProducer {
public:
    LeaveListProducer(const outputs::PayrollList& list, LeaveKind kind,
                      const payroll::Settings& settings);
    Outcome<outputs::DeclarationFill> fill() override;

private:
    const outputs::PayrollList& list_;
    LeaveKind kind_;
    const payroll::Settings& settings_;
};

// "Naknada zarade za: 03 2026", the purpose of the compensation's orders.
std::string leavePurpose(int year, int month);

} // namespace zarion::compensation
