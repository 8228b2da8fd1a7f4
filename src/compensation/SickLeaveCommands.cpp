#include "compensation/SickLeaveCommands.h"

#include "compensation/SickLeaveList.h"
#include "compensation/frmBolovanje.h"
#include "compensation/frmObracunBolovanje.h"
#include "compensation/frmSpisakZaradaBol.h"
#include "core/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/frmGlavni.h"

namespace zarion {

using ui::operator""_q;

outputs::BankListSource compensationBankLists() {
    using compensation::LeaveKind;
    QStringList parts;
    for (const LeaveKind kind : {LeaveKind::SickLeave, LeaveKind::Maternity})
        parts << ui::toQ(compensation::leavePartName(kind));
    return {"frmPregledPoBankamaNaknade", "Pregled po bankama - Naknade zarade"_q, parts,
            outputs::PayoutKind::Compensations,
            [](db::Database& payroll,
               const outputs::ListSelection& selection) -> Outcome<outputs::BankList> {
                const LeaveKind kind = selection.payment == outputs::Payment::Whole
                                           ? LeaveKind::SickLeave
                                           : LeaveKind::Maternity;
                outputs::ListSelection month = selection;
                month.payment = outputs::Payment::Whole;
                const auto list = compensation::loadLeaveList(payroll, kind, month);
                if (!list)
                    return list.refusal();
                return outputs::bankListOf(payroll, *list, compensation::leavePartName(kind));
            }};
}

void registerSickLeaveCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuUB30", [&window, &context] {
        window.showChild(new compensation::frmBolovanje(context));
    });
    window.enableCommand("mnuObBol", [&window, &context] {
        window.showChild(new compensation::frmObracunBolovanje(context));
    });
    window.enableCommand("mnuSPB", [&window, &context] {
        window.showChild(new compensation::frmSpisakZaradaBol(context));
    });
    window.enableCommand("mnuPreBannak", [&window, &context] {
        window.showChild(new outputs::frmPregledPoBankama(context, compensationBankLists()));
    });
}

} // namespace zarion
