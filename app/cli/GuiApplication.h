#pragma once

#include <QGuiApplication>
#include <memory>

namespace zarion::cli {

// Texts are measured and painted with real fonts, which needs a GUI application; without a
// display it draws offscreen.
std::unique_ptr<QGuiApplication> guiApplication();

} // namespace zarion::cli
