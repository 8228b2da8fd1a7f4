#include "WindowTest.h"

#include <QtTest>

#include "ui/DialogTesting.h"

namespace zarion::testing {

namespace dt = zarion::ui::testing;

QStringList WindowTest::shownTexts() {
    QStringList texts;
    for (const auto& box : dt::shown())
        texts << box.text;
    return texts;
}

bool WindowTest::wasShown(const QString& text) {
    return shownTexts().contains(text);
}

void WindowTest::init() {
    dt::setStrict(true);
    dt::clear();
    setUp();
}

void WindowTest::cleanup() {
    const int unused = dt::pending();
    tearDown();
    dt::clear();
    QCOMPARE(unused, 0);
}

} // namespace zarion::testing
