#include "employees/EmployeesCommands.h"

#include "core/AppContext.h"
#include "employees/frmBanke.h"
#include "employees/frmIzvZaposleni.h"
#include "employees/frmRJ.h"
#include "employees/frmZaposleni.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerEmployeesCommands(ui::frmGlavni& window, AppContext& context) {
    using namespace employees;
    window.enableCommand("mnuURJ", [&] { window.showChild(new frmRJ(context)); });
    window.enableCommand("mnuUBanke", [&] { window.showChild(new frmBanke(context)); });
    window.enableCommand("mnuZaposleni", [&] { window.showChild(new frmZaposleni(context)); });
    window.enableCommand("mnuPregledIzv", [&] { window.showChild(new frmIzvZaposleni(context)); });
}

} // namespace zarion
