#include "maintenance/MaintenanceCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <exception>

#include "core/AppContext.h"
#include "maintenance/CalculationDeletion.h"
#include "maintenance/HealthFundReport.h"
#include "maintenance/frmIstorijaPromena.h"
#include "maintenance/frmPomocne.h"
#include "ui/AskWholeNumber.h"
#include "ui/CalculationWindow.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/frmGlavni.h"

namespace zarion {
namespace {

using namespace zarion::ui;

void mnuIRZZO_Click(frmGlavni& window, AppContext& context) {
    const auto year = askWholeNumber(&window, "Unesite godinu"_q);
    if (!year)
        return;
    const auto month = askWholeNumber(&window, "Unesite mesec"_q);
    if (!month)
        return;
    try {
        maintenance::fillHealthFundReport(*context.PayrollDb, *year, *month);
    } catch (const std::exception& e) {
        message(&window, toQ(e.what()), Icon::Critical);
        return;
    }
    message(&window, "Gotovo!"_q, Icon::Information);
}

// The calculation window the operator works in, if the active child is one.
CalculationWindow* activeCalculationWindow(frmGlavni& window) {
    QMdiSubWindow* sub = window.mdiArea()->currentSubWindow();
    return sub ? dynamic_cast<CalculationWindow*>(sub->widget()) : nullptr;
}

void mnuOO_Click(frmGlavni& window, AppContext& context) {
    CalculationWindow* calculation = activeCalculationWindow(window);
    if (!calculation)
        return;
    const auto employee = calculation->selectedEmployee();
    if (!employee)
        return;
    const int month = calculation->month();
    const int year = calculation->year();
    if (!ask(&window, "Da li ste sigurni da zelite da obrisete obracun za radnika: "_q +
                          employee->second + " za mesec: "_q + QString::number(month) + "/" +
                          QString::number(year)))
        return;
    const auto permit = permitChange(&window, context, calculation->calculationKind(), year, month);
    if (!permit)
        return;
    maintenance::DeletionResult result;
    try {
        result = maintenance::deleteCalculation(*context.PayrollDb, calculation->calculationKind(),
                                                employee->first, year, month);
    } catch (const std::exception& e) {
        message(&window, toQ(e.what()), Icon::Critical);
        return;
    }
    message(&window, toQ(result.message), result.deleted ? Icon::Information : Icon::Critical);
    if (!result.deleted)
        return;
    calculation->clearEmployeeNumber();
    calculation->UcitajRadnike();
}

} // namespace

void registerMaintenanceCommands(ui::frmGlavni& window, AppContext& context) {
    window.setPomocneFactory([&window, &context] {
        return new frmPomocne(context, [&window] {
            QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
        });
    });
    window.enableCommand("mnuIRZZO", [&window, &context] { mnuIRZZO_Click(window, context); });
    window.enableCommand("mnuOO", [&window, &context] { mnuOO_Click(window, context); });
    window.enableCommand(
        "mnuIstorija", [&window, &context] { window.showChild(new frmIstorijaPromena(context)); });
}

} // namespace zarion
