#pragma once

#include <filesystem>

namespace zarion::ui {

// Lets the print preview ask for a file name and report through the program's own dialogs
// (so the title is "Tarlen" and tests answer them in advance). The save dialog opens in
// `pdfFolder`, made when missing.
void installReportServices(const std::filesystem::path& pdfFolder);

} // namespace zarion::ui
