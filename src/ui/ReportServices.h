#pragma once

namespace zarion::ui {

// Lets the print preview ask for a file name and report through the program's own dialogs
// (so the title is "Tarlen" and tests answer them in advance).
void installReportServices();

} // namespace zarion::ui
