// A whole gauge program on an in-memory store and a fixed clock, with its messages, its end and
// its title changes recorded, started as the user starts it.
#pragma once

#include "app/qt/CircleShape.h"
#include "app/qt/GaugeProgram.h"
#include "app/qt/QtMessageSink.h"
#include "gauges/Gauges.h"
#include "tests/support/FixedClock.h"
#include "tests/support/MemorySettingsStore.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitUntil.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace stormbell::testing {

/// The child of `window` named `name`; the test fails when there is none.
template <typename Part = QWidget> Part& Child(const QObject& window, const char* name) {
    Part* part = window.findChild<Part*>(name);
    if (part == nullptr)
        throw std::logic_error(std::string("no child named ") + name);
    return *part;
}

/// A left click on the window's child `name`, a bar button or a shape.
inline void Click(const QObject& window, const char* name) {
    QTest::mouseClick(&Child(window, name), Qt::LeftButton);
}

/// Records the window's titles, the green lamp body's fills as it is painted and the skin's
/// paints.
class Watcher final : public QObject {
public:
    explicit Watcher(GaugeWindow& window)
        : window_(window), green_(Child<CircleShape>(window, "greenLamp")),
          skin_(Child(window, "englishSkin")) {
        window.installEventFilter(this);
        green_.installEventFilter(this);
        skin_.installEventFilter(this);
    }
    std::vector<std::string> titles;
    std::vector<Color> green;
    int skinPaints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WindowTitleChange)
            titles.push_back(window_.windowTitle().toStdString());
        if (watched == &green_ && event->type() == QEvent::Paint)
            green.push_back(green_.Brush());
        if (watched == &skin_ && event->type() == QEvent::Paint)
            ++skinPaints;
        return false;
    }

private:
    GaugeWindow& window_;
    CircleShape& green_;
    QWidget& skin_;
};

class GaugeFixture : public ::testing::Test {
protected:
    GaugeFixture() : outerDataHome_(qgetenv("XDG_DATA_HOME")) {
        QtMessageSink::SetTestHook([this](const std::string& text) { messages.push_back(text); });
        // Each test's own reading history: an alert one test claimed never silences another's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(QString::fromStdString(dataHome_.Path())));
    }
    ~GaugeFixture() override {
        qputenv("XDG_DATA_HOME", outerDataHome_);
        QtMessageSink::SetTestHook({});
    }

    /// Creates the program on `on` as it stands, shows the window and waits for the start-up.
    GaugeWindow& Start(SettingsStore& on) {
        program.emplace(
            on, clock, [this](int code) { endCode = code; }, limits);
        program->window.show();
        const QTimer& timer = Child<QTimer>(program->window, "updateTimer");
        EXPECT_TRUE(WaitUntil([&timer] { return timer.isActive(); }));
        return program->window;
    }
    GaugeWindow& Start() { return Start(store); }

    /// The brush of the lamp body or dot `name`.
    static Color Brush(const GaugeWindow& window, const char* name) {
        return Child<CircleShape>(window, name).Brush();
    }

    /// The report's text once the options dialog's controls exist, as its first show builds them.
    QString ReportBoxText() {
        program->options.BuildContents();
        return program->options.ReportView->toPlainText();
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

    /// Milliseconds a cycle of `w` took, with `during` run once `ready` holds, checked every 10 ms
    /// while the cycle keeps the window live; by default once the cycle has run for about 100 ms.
    static long long RunCycleWhile(GaugeWindow& w, const std::function<void(GaugeWindow&)>& during,
                                   std::function<bool()> ready = {}) {
        int polls = 0;
        if (!ready)
            ready = [&] { return w.CycleState() == SessionState::Running && ++polls >= 10; };
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &w, [&] {
            if (!ready())
                return;
            poll.stop();
            during(w);
        });
        poll.start(10);
        const auto start = std::chrono::steady_clock::now();
        Click(w, "updateBar");
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    }

private:
    // Before the program, which keeps its history there until it ends.
    QByteArray outerDataHome_;
    TempDir dataHome_;

protected:
    MemorySettingsStore store;
    ClientLimits limits;
    /// 23 minutes after the test reports' observation time (2024-04-18 19:20 UTC).
    FixedClock clock{std::chrono::sys_days{std::chrono::April / 18 / 2024} +
                     std::chrono::hours(19) + std::chrono::minutes(43)};
    std::vector<std::string> messages;
    std::optional<int> endCode;
    std::optional<GaugeProgram> program;
};

} // namespace stormbell::testing
