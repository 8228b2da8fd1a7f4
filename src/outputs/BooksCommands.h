#pragma once

namespace zarion {
struct AppContext;
namespace ui {
class frmGlavni;
}

// The menu commands of the recapitulation by accounts and the journal's settings.
void registerBooksCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
