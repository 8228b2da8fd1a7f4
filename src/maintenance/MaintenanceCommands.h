#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// Brings to life the auxiliary procedures (after the access code), the health-fund report and
// the pop-up command that deletes the calculation of the employee selected in the active
// calculation window.
void registerMaintenanceCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
