#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// "Prosecne zarade" (mnuProsek): the average earnings window.
void registerAverageCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
