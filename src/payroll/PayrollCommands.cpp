#include "payroll/PayrollCommands.h"

#include "core/AppContext.h"
#include "parameters/ParametersCommands.h"
#include "payroll/Settings.h"
#include "payroll/frmObracunJed.h"
#include "payroll/frmObracunNeto.h"
#include "ui/frmGlavni.h"

namespace zarion {
namespace {

// The month calculation window the settings call for: pricing by coefficient (nacin_obracuna
// not 0) calculates the month net-based for all employees; pricing by hours one employee at a
// time from gross, in the individual window.
QWidget* calculationWindow(AppContext& context) {
    if (payroll::loadSettings(*context.PayrollDb).coefficientPricing())
        return new payroll::frmObracunNeto(context);
    return new payroll::frmObracunJed(context);
}

} // namespace

void registerPayrollCommands(ui::frmGlavni& window, AppContext& context) {
    enableMonthCalculation(window, context,
                           [&window, &context] { window.showChild(calculationWindow(context)); });
}

} // namespace zarion
