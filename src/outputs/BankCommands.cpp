#include "outputs/BankCommands.h"

#include "outputs/frmPregledPoBankama.h"
#include "ui/frmGlavni.h"

namespace zarion::outputs {

void registerBankCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuPreBank", [&] { window.showChild(new frmPregledPoBankama(context)); });
}

} // namespace zarion::outputs
