#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// Brings the salary calculation commands of the menu to life: the month calculation
// (mnuPojOLD) chooses the month and opens the calculation window the settings call for.
void registerPayrollCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
