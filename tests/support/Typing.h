#pragma once

#include <QString>

class QWidget;

namespace zarion::testing {

// Types the text into the widget one key at a time. Unlike QTest::keyClicks it also types
// letters outside ASCII (š, ć, č, đ, ž), which the keyboard delivers as text without a key code.
void typeText(QWidget* widget, const QString& text);

} // namespace zarion::testing
