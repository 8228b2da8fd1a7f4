// The recapitulations and the journal the payroll list window opens for the list it shows.
#include "core/AppContext.h"
#include "outputs/frmNalogzaKnjizenje.h"
#include "outputs/frmRekapitulacijaIsplate.h"
#include "outputs/frmRekapitulacijaNalog.h"
#include "outputs/frmRekapitulacijaUplatnihRacuna.h"
#include "outputs/frmSpisakZarada.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

void frmSpisakZarada::cmdRekapitulacija_Click() {
    if (list_)
        ui::guarded(this, "cmdRekapitulacija_Click", [&] {
            ui::showBeside(this, new frmRekapitulacijaIsplate(context_, payoutSource(*list_)));
        });
}

void frmSpisakZarada::cmdRekapRacuna_Click() {
    if (list_)
        ui::guarded(this, "cmdRekapRacuna_Click", [&] {
            openAccountsRecapitulation(this, context_,
                                       salaryAccountsSource(*context_.PayrollDb, *list_));
        });
}

void frmSpisakZarada::cmdRekapKonta_Click() {
    if (list_)
        ui::guarded(this, "cmdRekapKonta_Click", [&] {
            auto* konta = new frmRekapitulacijaNalog(context_);
            ui::showBeside(this, konta);
            konta->showPayout(list_->selection);
        });
}

void frmSpisakZarada::cmdKnjizenje_Click() {
    if (list_)
        ui::guarded(this, "cmdKnjizenje_Click",
                    [&] { ui::showBeside(this, new frmNalogzaKnjizenje(context_, *list_)); });
}

} // namespace zarion::outputs
