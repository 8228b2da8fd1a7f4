#pragma once

#include <filesystem>

namespace zarion {

// Paints the demo company's logo into <folder>/logo.jpg: the main window and the report header
// show it as they would a real company's.
void writeDemoLogo(const std::filesystem::path& companyFolder);

} // namespace zarion
