#include "outputs/AnnualCommands.h"

#include "core/AppContext.h"
#include "outputs/frmM4Novi.h"
#include "outputs/frmPPP.h"
#include "outputs/frmTrezor.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerAnnualCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand(
        "mnuTrezor", [&window, &context] { window.showChild(new outputs::frmTrezor(context)); });
    window.enableCommand("mnuPPP",
                         [&window, &context] { window.showChild(new outputs::frmPPP(context)); });
    window.enableCommand("mnuM4",
                         [&window, &context] { window.showChild(new outputs::frmM4(context)); });
    window.enableCommand(
        "mnuM4Novi", [&window, &context] { window.showChild(new outputs::frmM4Novi(context)); });
}

} // namespace zarion
