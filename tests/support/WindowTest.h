#pragma once

// moc reads this header: it includes Qt only.
#include <QObject>
#include <QStringList>
#include <optional>

namespace zarion::testing {

// The base of the window tests. Every message box takes its answer from the test's queue (an
// unqueued one answers at once instead of waiting for a click), and after each test no queued
// answer may be left unused. A test sets its fixture up in setUp and drops it in tearDown.
class WindowTest : public QObject {
    Q_OBJECT
protected:
    virtual void setUp() {}
    virtual void tearDown() {}

    // The texts of the boxes shown since the last clear, in order.
    static QStringList shownTexts();
    static bool wasShown(const QString& text);

private slots:
    void init();
    void cleanup();
};

// A window test with a fixture made afresh for every test and dropped after it.
template <typename Fixture> class WindowTestWith : public WindowTest {
protected:
    void setUp() override { f_.emplace(); }
    void tearDown() override { f_.reset(); }

    std::optional<Fixture> f_;
};

} // namespace zarion::testing
