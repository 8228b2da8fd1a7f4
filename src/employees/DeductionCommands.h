#pragma once

namespace zarion {
struct AppContext;
}
namespace zarion::ui {
class frmGlavni;
}

namespace zarion::employees {

// Brings the deduction and loan commands of the menu to life: mnuProcObustave, mnuKreditne,
// mnuUOPK, mnuPreKre and mnuOPZ.
void registerDeductionCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion::employees
