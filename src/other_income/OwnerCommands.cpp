#include "other_income/OwnerCommands.h"

#include "core/AppContext.h"
#include "other_income/EmployeeAdvances.h"
#include "other_income/frmIzborAkontacije.h"
#include "other_income/frmObracunVlasnika.h"
#include "other_income/frmPregledPoBankamaOstale.h"
#include "other_income/frmUplRacuniOstale.h"
#include "payroll/IndividualHelpers.h"
#include "ui/WidgetKit.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerOwnerCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuUPLOSt", [&window, &context] {
        ui::guarded(&window, "frmUplRacuniOstale", [&] {
            window.showChild(new other_income::frmUplRacuniOstale(*context.PayrollDb));
        });
    });
    window.enableCommand("mnuPrePoBOstale", [&window, &context] {
        ui::guarded(&window, "frmPregledPoBankamaOstale", [&] {
            window.showChild(new other_income::frmPregledPoBankamaOstale(context));
        });
    });
    payroll::IndividualHelpers& helpers = payroll::individualHelpers();
    helpers.pickAdvances = [&context](QWidget* parent, std::int64_t employeeId) {
        other_income::frmIzborAkontacije picker(
            other_income::employeeAdvances(*context.PayrollDb, employeeId), parent);
        picker.exec();
        return picker.chosen();
    };
    helpers.calculateOwner = [&context](QWidget* parent, int hourFund) {
        return other_income::calculateOwnerSalary(context, parent, hourFund);
    };
}

} // namespace zarion
