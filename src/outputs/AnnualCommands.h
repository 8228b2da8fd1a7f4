#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// The menu commands of the treasury request and of the yearly forms M-4 and PPP.
void registerAnnualCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
