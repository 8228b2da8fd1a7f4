#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// "Spiskovi za obracun - Redovna zarada" (mnuSpisObr): the payroll list window.
void registerOutputsCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
