// The recapitulations of payout, payment accounts and bookkeeping accounts the compensation list
// opens for the list it shows.
#include "compensation/SickLeaveList.h"
#include "compensation/frmSpisakZaradaBol.h"
#include "core/AppContext.h"
#include "outputs/frmRekapitulacijaIsplate.h"
#include "outputs/frmRekapitulacijaNalog.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

void frmSpisakZaradaBol::cmdRekapIsplate_Click() {
    if (list_)
        ui::guarded(this, "cmdRekapIsplate_Click", [&] {
            ui::showBeside(this, new outputs::frmRekapitulacijaIsplate(
                                     context_, outputs::payoutSource(*list_)));
        });
}

void frmSpisakZaradaBol::cmdRekapRacuna_Click() {
    if (list_)
        ui::guarded(this, "cmdRekapRacuna_Click", [&] {
            outputs::openAccountsRecapitulation(
                this, context_, leaveAccountsSource(*context_.PayrollDb, kind_, *list_));
        });
}

void frmSpisakZaradaBol::cmdRekapKonta_Click() {
    if (list_)
        ui::guarded(this, "cmdRekapKonta_Click", [&] {
            auto* konta = new outputs::frmRekapitulacijaNalog(context_);
            ui::showBeside(this, konta);
            konta->showCompensation(outputs::payoutSource(*list_));
        });
}

} // namespace zarion::compensation
