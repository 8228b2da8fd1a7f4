#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// The "Ostale zarade" commands of the kinds 3 to 13 and "Akontacije": the order-and-person
// window of each kind.
void registerOtherIncomeCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
