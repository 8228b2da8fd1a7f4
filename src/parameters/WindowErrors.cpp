#include "parameters/WindowErrors.h"

#include "ui/Dialogs.h"

namespace zarion::parameters {

void showFailure(QWidget* parent, const std::exception& error) {
    using ui::operator""_q;
    ui::message(parent, "Gre{ka: "_q + ui::toQ(error.what()), ui::Icon::Critical);
}

} // namespace zarion::parameters
