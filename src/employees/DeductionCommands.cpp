#include "employees/DeductionCommands.h"

#include "employees/frmKrediti_po_kreditorima.h"
#include "employees/frmObustaveKrediti.h"
#include "employees/frmObustaveProc.h"
#include "employees/frmObustaveRadnik.h"
#include "employees/frmPregledPoKreditima.h"
#include "ui/frmGlavni.h"

namespace zarion::employees {

void registerDeductionCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuProcObustave",
                         [&] { window.showChild(new frmObustaveProc(context)); });
    window.enableCommand("mnuKreditne", [&] { window.showChild(new frmObustaveKrediti(context)); });
    window.enableCommand("mnuUOPK",
                         [&] { window.showChild(new frmKrediti_po_kreditorima(context)); });
    window.enableCommand("mnuPreKre",
                         [&] { window.showChild(new frmPregledPoKreditima(context)); });
    window.enableCommand("mnuOPZ", [&] { window.showChild(new frmObustaveRadnik(context)); });
}

} // namespace zarion::employees
