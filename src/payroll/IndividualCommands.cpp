#include "payroll/IndividualCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/AppContext.h"
#include "payroll/frmObracunJed.h"
#include "ui/CalculationWindow.h"
#include "ui/frmGlavni.h"

namespace zarion {
namespace {

void mnuPo_Click(ui::frmGlavni& window, AppContext& context) {
    QMdiSubWindow* sub = window.mdiArea()->currentSubWindow();
    auto* calculation = sub ? dynamic_cast<ui::CalculationWindow*>(sub->widget()) : nullptr;
    if (!calculation)
        return;
    const auto employee = calculation->selectedEmployee();
    if (!employee)
        return;
    auto* individual =
        new payroll::frmObracunJed(context, calculation->year(), calculation->month());
    if (individual->showPosted(employee->first))
        window.showChild(individual);
    else
        delete individual;
}

} // namespace

void registerIndividualCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuPo", [&window, &context] { mnuPo_Click(window, context); });
}

} // namespace zarion
