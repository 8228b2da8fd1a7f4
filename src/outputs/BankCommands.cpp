#include "outputs/BankCommands.h"

#include "outputs/frmNalogZaPrenos.h"
#include "outputs/frmPregledPoBankama.h"
#include "ui/frmGlavni.h"

namespace zarion::outputs {

void registerBankCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuPreBank", [&] { window.showChild(new frmPregledPoBankama(context)); });
    window.enableCommand("mnuNalozi", [&] {
        auto* orders = new frmNalogZaPrenos(context);
        if (orders->hasOrders())
            window.showChild(orders);
        else
            delete orders;
    });
}

} // namespace zarion::outputs
