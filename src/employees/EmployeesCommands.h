#pragma once

namespace zarion {
struct AppContext;
}
namespace zarion::ui {
class frmGlavni;
}

namespace zarion {

// Brings the employee register and its code lists to life in the menu: Radne jedinice (frmRJ),
// Banke (frmBanke), Zaposleni (frmZaposleni) and Izvestaji po zaposlenima (frmIzvZaposleni).
void registerEmployeesCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
