#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// "Spiskovi za obracun - Redovna zarada" (mnuSpisObr): the payroll list window; "Pregled po
// bankama - Redovna zarada" (mnuPreBank): the bank lists; "Nalozi za placanje" (mnuNalozi): the
// payment orders.
void registerOutputsCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
