#include "compensation/BenefitsCommands.h"

#include "compensation/DisabledCompensation.h"
#include "compensation/frmInvalidi.h"
#include "compensation/frmNagrade.h"
#include "compensation/frmObracunInvaliidi.h"
#include "compensation/frmPorodiljsko.h"
#include "compensation/frmPregledOdmora.h"
#include "compensation/frmSpisakZaradaInvalidi.h"
#include "core/AppContext.h"
#include "parameters/frmMesecIGod.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"
#include "ui/frmGlavni.h"

namespace zarion {

using namespace compensation;

namespace {

// The month chooser, then the calculation of the disabled persons' compensations, which needs
// the control parameters first.
void openDisabledCalculation(ui::frmGlavni& window, AppContext& context) {
    if (!parameters::chooseCalculationMonth(&window, context))
        return;
    ui::guarded(&window, "mnuObrInvalida_Click", [&] {
        if (!loadDisabledControl(*context.PayrollDb)) {
            ui::message(&window, ui::toQ("Unesite parametre za obracun naknada invalida"),
                        ui::Icon::Exclamation);
            return;
        }
        window.showChild(new frmObracunInvaliidi(context));
    });
}

} // namespace

void registerBenefitsCommands(ui::frmGlavni& window, AppContext& context) {
    const auto child = [&window, &context](auto make) {
        return [&window, &context, make] {
            window.showChild(make(context));
        };
    };
    window.enableCommand("mnuUBP", child([](AppContext& c) { return new frmPorodiljsko(c); }));
    window.enableCommand("mnuUnosInv", child([](AppContext& c) { return new frmInvalidi(c); }));
    window.enableCommand("mnuObrInvalida",
                         [&window, &context] { openDisabledCalculation(window, context); });
    window.enableCommand("mnuSpisInv",
                         child([](AppContext& c) { return new frmSpisakZaradaInvalidi(c); }));
    window.enableCommand("mnuObrJub", child([](AppContext& c) { return new frmJubilarne(c); }));
    window.enableCommand("mnuOGod", child([](AppContext& c) { return new frmGodisnje(c); }));
    window.enableCommand("mnuPreGo", child([](AppContext& c) { return new frmPregledOdmora(c); }));
}

} // namespace zarion
