#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// The menu commands of maternity leave (mnuUBP), the disabled persons (mnuUnosInv, their month
// calculation mnuObrInvalida and lists mnuSpisInv), jubilee and annual awards (mnuObrJub,
// mnuOGod) and the annual-leave overview (mnuPreGo).
void registerBenefitsCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
