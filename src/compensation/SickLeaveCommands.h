#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// "Preko 30 dana" (mnuUB30): the sick-leave cases; "Bolovanje preko 30 dana" (mnuObBol): the
// month's calculation; "Spiskovi za obracun - Bolovanje" (mnuSPB): the lists; "Pregled po
// bankama - Naknade zarade" (mnuPreBannak): the compensations' bank lists.
void registerSickLeaveCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
