#include "other_income/OtherIncomeCommands.h"

#include "core/AppContext.h"
#include "other_income/OtherIncomeKinds.h"
#include "other_income/frmUgovorODelu.h"
#include "ui/Dialogs.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerOtherIncomeCommands(ui::frmGlavni& window, AppContext& context) {
    for (const other_income::OtherIncomeKind& kind : other_income::otherIncomeKinds()) {
        const int number = kind.number;
        window.enableCommand(ui::toQ(kind.command), [&window, &context, number] {
            window.showChild(new other_income::frmUgovorODelu(context, number));
        });
    }
}

} // namespace zarion
