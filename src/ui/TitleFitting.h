#pragma once

namespace zarion::ui {

// Makes every dialog of the application at least as wide as its title needs, so that no title
// ("Mesec i godina obračuna", "Tarlen") is cut short by the frame's buttons.
void installTitleFitting();

} // namespace zarion::ui
