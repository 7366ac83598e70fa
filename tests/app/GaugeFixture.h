// A whole gauge program on an in-memory store and a fixed clock, with its messages, its end and
// its title changes recorded, started as the user starts it.
#pragma once

#include "app/qt/BarButton.h"
#include "app/qt/CircleShape.h"
#include "app/qt/GaugeProgram.h"
#include "app/qt/QtMessageSink.h"
#include "app/qt/SkinView.h"
#include "gauges/Gauges.h"
#include "tests/support/FixedClock.h"
#include "tests/support/MemorySettingsStore.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace stormbell::testing {

/// Records the window's titles and the green and red lamp bodies' fills as they are painted.
class Watcher final : public QObject {
public:
    explicit Watcher(GaugeWindow& window) : window_(window) {
        window.installEventFilter(this);
        window.Shape1->installEventFilter(this);
        window.Shape2->installEventFilter(this);
        window.Image1->installEventFilter(this);
    }
    std::vector<std::string> titles;
    std::vector<Color> green;
    std::vector<Color> red;
    int skinPaints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WindowTitleChange)
            titles.push_back(window_.windowTitle().toStdString());
        if (event->type() == QEvent::Paint) {
            if (watched == window_.Shape1)
                green.push_back(window_.Shape1->Brush());
            if (watched == window_.Shape2)
                red.push_back(window_.Shape2->Brush());
            if (watched == window_.Image1)
                ++skinPaints;
        }
        return false;
    }

private:
    GaugeWindow& window_;
};

class GaugeFixture : public ::testing::Test {
protected:
    GaugeFixture() {
        QtMessageSink::SetTestHook([this](const std::string& text) { messages.push_back(text); });
    }
    ~GaugeFixture() override { QtMessageSink::SetTestHook({}); }

    /// Creates the program on `store` as it stands, shows the window and waits for the start-up.
    GaugeWindow& Start() {
        program.emplace(store, clock, [this](int code) { endCode = code; });
        program->window.show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return program->window.Timer1->isActive(); }));
        return program->window;
    }

    /// Memo1's text once the options dialog's controls exist, as its first show builds them.
    QString ReportBoxText() {
        program->options.BuildContents();
        return program->options.Memo1->toPlainText();
    }

    /// The tooltip a hover over the middle of `widget` shows; empty when none shows.
    static std::string Hover(QWidget& widget) {
        QToolTip::hideText();
        const QPoint middle = widget.rect().center();
        QHelpEvent help(QEvent::ToolTip, middle, widget.mapToGlobal(middle));
        QCoreApplication::sendEvent(&widget, &help);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    }

    /// The window's description for a screen reader.
    static std::string Described(const GaugeWindow& window) {
        return window.accessibleDescription().toStdString();
    }

    /// Milliseconds `action` took.
    template <typename Action> static long long Timed(Action&& action) {
        const auto start = std::chrono::steady_clock::now();
        action();
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    }

    MemorySettingsStore store;
    /// 23 minutes after the test reports' observation time (2024-04-18 19:20 UTC).
    FixedClock clock{std::chrono::sys_days{std::chrono::April / 18 / 2024} +
                     std::chrono::hours(19) + std::chrono::minutes(43)};
    std::vector<std::string> messages;
    std::optional<int> endCode;
    std::optional<GaugeProgram> program;
};

} // namespace stormbell::testing
