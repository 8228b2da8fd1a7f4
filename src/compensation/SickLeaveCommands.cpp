#include "compensation/SickLeaveCommands.h"

#include "compensation/frmBolovanje.h"
#include "compensation/frmObracunBolovanje.h"
#include "compensation/frmPregledPoBankamaNaknade.h"
#include "compensation/frmSpisakZaradaBol.h"
#include "core/AppContext.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerSickLeaveCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuUB30", [&window, &context] {
        window.showChild(new compensation::frmBolovanje(context));
    });
    window.enableCommand("mnuObBol", [&window, &context] {
        window.showChild(new compensation::frmObracunBolovanje(context));
    });
    window.enableCommand("mnuObPor", [&window, &context] {
        window.showChild(
            new compensation::frmObracunBolovanje(context, compensation::LeaveKind::Maternity));
    });
    window.enableCommand("mnuSPB", [&window, &context] {
        window.showChild(new compensation::frmSpisakZaradaBol(context));
    });
    window.enableCommand("mnuSPP", [&window, &context] {
        window.showChild(
            new compensation::frmSpisakZaradaBol(context, compensation::LeaveKind::Maternity));
    });
    window.enableCommand("mnuPreBannak", [&window, &context] {
        window.showChild(new compensation::frmPregledPoBankamaNaknade(context));
    });
}

} // namespace zarion
