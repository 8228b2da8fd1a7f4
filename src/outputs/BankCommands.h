#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}
} // namespace zarion

namespace zarion::outputs {

// The menu commands of the bank lists and the payment orders.
void registerBankCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion::outputs
