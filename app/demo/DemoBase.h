#pragma once

#include <filesystem>
#include <optional>

#include "demo/DemoData.h"

namespace zarion::demo {

// The demo base as `zarion --demo` and `zarion-cli demo` make it: createDemoBase, and the logo
// of a company made now. Paints with Qt, so a QGuiApplication must exist.
std::optional<std::filesystem::path> makeDemoBase(const std::filesystem::path& base,
                                                  const Clock& clock,
                                                  const DemoOptions& options = {});

} // namespace zarion::demo
