#pragma once

#include <exception>

class QWidget;

namespace zarion::parameters {

// A failure no window of this subsystem expects (the database refused a statement): shown to
// the operator, so no exception leaves a slot.
void showFailure(QWidget* parent, const std::exception& error);

} // namespace zarion::parameters
