#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// The pop-up command "Pokazi obracun za izabranog radnika" (mnuPo): the individual calculation
// window showing the posted final calculation of the employee selected in the active
// calculation window, for that window's month.
void registerIndividualCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
