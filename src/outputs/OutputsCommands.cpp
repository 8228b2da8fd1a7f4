#include "outputs/OutputsCommands.h"

#include "core/AppContext.h"
#include "outputs/frmNalogZaPrenos.h"
#include "outputs/frmPregledPoBankama.h"
#include "outputs/frmSpisakZarada.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerOutputsCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuSpisObr", [&window, &context] {
        window.showChild(new outputs::frmSpisakZarada(context));
    });
    window.enableCommand("mnuPreBank", [&window, &context] {
        window.showChild(new outputs::frmPregledPoBankama(context));
    });
    window.enableCommand("mnuNalozi", [&window, &context] {
        auto* orders = new outputs::frmNalogZaPrenos(context);
        if (orders->hasOrders())
            window.showChild(orders);
        else
            delete orders;
    });
}

} // namespace zarion
