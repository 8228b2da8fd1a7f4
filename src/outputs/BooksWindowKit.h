#pragma once

#include <QString>
#include <functional>

#include "outputs/Registers.h"

class QPushButton;
class QWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The company header the printouts of the windows start with.
ListPrint companyPrint(const AppContext& context);

// An amount as the windows show it; nothing where it is 0.
std::string amountOrBlank(Currency amount);

// A button of the window with the system's name and caption, running `command` on a click.
QPushButton* commandButton(QWidget* window, const char* name, const QString& caption,
                           std::function<void()> command);

} // namespace zarion::outputs
