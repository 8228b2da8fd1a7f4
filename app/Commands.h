#pragma once

#include "core/AppContext.h"
#include "ui/frmGlavni.h"

namespace zarion {

// Brings to life every menu command whose window exists: each subsystem registers its own.
void registerCommands(ui::frmGlavni& window, AppContext& context);

} // namespace zarion
