#include "payroll/AverageCommands.h"

#include "core/AppContext.h"
#include "payroll/frmProsek.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerAverageCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand(
        "mnuProsek", [&window, &context] { window.showChild(new payroll::frmProsek(context)); });
}

} // namespace zarion
