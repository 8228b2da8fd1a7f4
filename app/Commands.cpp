#include "Commands.h"

namespace zarion {

void registerCommands(ui::frmGlavni& window, AppContext& context) {
    // One line per subsystem: register<Subsystem>Commands(window, context);
    (void)window;
    (void)context;
}

} // namespace zarion
