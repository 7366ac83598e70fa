#include "app/qt/KeyboardMove.h"
#include "tests/support/WaitUntil.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

namespace stormbell::testing {
namespace {

using namespace std::chrono_literals;

// A plain window with a field that can take the focus from it, shown and active at `at`; its
// move ends after `idleLimit` without a key.
struct MovedWindow {
    MovedWindow(QPoint at, std::chrono::milliseconds idleLimit) : move(window, idleLimit) {
        window.setWindowFlag(Qt::FramelessWindowHint);
        window.setAccessibleName("Gauge");
        window.resize(200, 100);
        window.move(at);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    /// Runs each step of `steps` ("Right;Shift+Down;focus;hide;idle"): a key to the focus, the
    /// focus given to the field, the window hidden, or the event loop run until the move ends
    /// for want of a key.
    void Run(const QString& steps) {
        for (const QString& step : steps.split(';', Qt::SkipEmptyParts)) {
            if (step == "focus") {
                field.setFocus();
            } else if (step == "hide") {
                window.hide();
            } else if (step == "idle") {
                EXPECT_TRUE(WaitUntil([this] { return !move.Moving(); }));
            } else {
                const QKeyCombination k = QKeySequence(step)[0];
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : &window, k.key(), k.keyboardModifiers());
            }
            QCoreApplication::processEvents();
        }
    }

    QWidget window;
    QLineEdit field{&window};
    KeyboardMove move;
};

TEST(KeyboardMoveTest, EndsOnEveryWayOutAndKeepsTheWindowOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint middle = area.center() - QPoint(100, 50);
    const QPoint lastPlace = area.bottomRight() - QPoint(199, 99);
    struct Case {
        QPoint from;
        QString steps;
        bool moving;
        QPoint to; ///< as an offset from `from`
    } cases[] = {
        {middle, "Right;Right;Up;Shift+Down;Shift+Left", true, {-8, 9}},
        {middle, "Right;Return;Right", false, {1, 0}},
        {middle, "Down;Enter;Down", false, {0, 1}},
        {middle, "Left;Escape;Left", false, {-1, 0}},
        {middle, "Left;focus;Left", false, {-1, 0}},
        {middle, "Up;hide", false, {0, -1}},
        {middle, "Up;idle;Up", false, {0, -1}},
        {middle, "a;Left", true, {-1, 0}}, // another key goes on, to the focus
        // At the screen's edges it stops, a part of a step included.
        {area.topLeft(), "Left;Up;Shift+Left;Shift+Up", true, {0, 0}},
        {area.topLeft() + QPoint(4, 3), "Shift+Left;Shift+Up", true, {-4, -3}},
        {lastPlace, "Right;Down;Shift+Right;Shift+Down", true, {0, 0}},
        {lastPlace - QPoint(4, 3), "Shift+Right;Shift+Down", true, {4, 3}},
    };
    for (const auto& c : cases) {
        // Only the rows that wait for it may see the move end for want of a key.
        MovedWindow w(c.from, c.steps.contains("idle") ? 20ms : KeyboardMove::kIdleLimit);
        w.move.Start();
        w.Run(c.steps);
        EXPECT_EQ(w.move.Moving(), c.moving) << c.steps.toStdString();
        EXPECT_EQ(w.window.pos() - c.from, c.to) << c.steps.toStdString();
        // A screen reader hears the keys while the move runs, and the name again after it.
        EXPECT_EQ(w.window.accessibleName().toStdString(),
                  c.moving ? std::string("Gauge, ") + KeyboardMove::kKeys : "Gauge")
            << c.steps.toStdString();
    }
}

} // namespace
} // namespace stormbell::testing
