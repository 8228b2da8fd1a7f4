#include "outputs/OutputsCommands.h"

#include "core/AppContext.h"
#include "outputs/frmSpisakZarada.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerOutputsCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuSpisObr", [&window, &context] {
        window.showChild(new outputs::frmSpisakZarada(context));
    });
}

} // namespace zarion
