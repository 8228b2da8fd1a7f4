#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// The payment accounts of other income (mnuUPLOSt), the bank lists of other income
// (mnuPrePoBOstale), and the advance picker and owner's salary of the individual calculation.
void registerOwnerCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
