#pragma once

#include <functional>

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// Brings the menu commands of the parameter tables to life: the table editor on each of the
// single-row tables and the month parameter window.
void registerParametersCommands(ui::frmGlavni& window, AppContext& context);

// The month calculation (mnuPojOLD): the month chooser, then, once a month is started, the
// calculation window that `openCalculationWindow` shows. The command is enabled by this call.
void enableMonthCalculation(ui::frmGlavni& window, AppContext& context,
                            std::function<void()> openCalculationWindow);

} // namespace zarion
