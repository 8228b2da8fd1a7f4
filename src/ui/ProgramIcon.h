#pragma once

#include <QIcon>

namespace zarion::ui {

// The program's icon: a white "Z" on a dark blue rounded square, drawn in the sizes title bars,
// task bars and window lists ask for.
QIcon programIcon();

} // namespace zarion::ui
