#include "app/qt/BarGlyph.h"
#include "app/qt/CircleShape.h"
#include "app/qt/CommandLine.h"
#include "app/qt/Lamp.h"
#include "app/qt/QtStatusLine.h"
#include "app/qt/WindowRegion.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"
#include "generated/Version.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <sstream>

namespace stormbell {
namespace {

TEST(WindowRegion, CornersRoundedByTheEllipse) {
    const QRegion region =
        RoundRectRegion(QRect(0, 0, layout::kClientWidth, layout::kClientHeight), 130, 130);
    const struct {
        QPoint pixel;
        bool inside;
    } cases[] = {
        {{0, 0}, false},     {{474, 0}, false}, {{0, 255}, false},  {{474, 255}, false},
        {{18, 18}, false},   {{19, 19}, true},  {{455, 236}, true}, {{456, 237}, false},
        {{237, 0}, true},    {{0, 128}, true},  {{474, 128}, true}, {{475, 128}, false},
        {{237, 256}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(region.contains(c.pixel), c.inside) << c.pixel.x() << "," << c.pixel.y();
}

TEST(BarGlyph, FourStatesOfBarAndBevel) {
    const QImage strip = BarGlyphStrip(0x00FF00, 0x00BF00);
    ASSERT_EQ(strip.size(), QSize(96, 6));
    const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128);
    const struct {
        GlyphState state;
        QRgb bar, topLeft, bottomRight;
    } cases[] = {
        {GlyphState::Up, qRgb(0, 255, 0), white, grey},
        {GlyphState::Disabled, qRgb(0, 255, 0), white, grey},
        {GlyphState::Pressed, qRgb(0, 191, 0), grey, white},
        {GlyphState::HeldDown, qRgb(0, 191, 0), grey, white},
    };
    for (const auto& c : cases) {
        const QRect r = GlyphRect(c.state);
        EXPECT_EQ(strip.pixel(r.center()), c.bar);
        EXPECT_EQ(strip.pixel(r.left() + 1, r.top()), c.topLeft);
        EXPECT_EQ(strip.pixel(r.right() - 1, r.bottom()), c.bottomRight);
        EXPECT_EQ(strip.pixel(r.topRight()), qRgb(192, 192, 192));
    }
}

// The colours, and the names a screen reader and a hover give (a screen reader hearing of each
// change is checked through the real accessibility stack, tests/a11y); the window is told of
// every state.
TEST(WindowLamps, EachStateColoursAndNamesBodiesAndDots) {
    QWidget parent;
    CircleShape s1(&parent), s2(&parent), s3(&parent), s4(&parent);
    int told = 0;
    WindowLamps lamps({s1, s2, s3, s4}, [&told] { ++told; });
    // Each step starts where the one before left the lamps.
    const struct {
        LampState state;
        Color body1, dot4, body2, dot3;
        const char* green;
        const char* red;
    } steps[] = {
        {LampState::Idle, 0x4000, 0x6600, 0x40, 0x66, "not fetching", "no fetch failure"},
        {LampState::Busy, 0x8800, 0xCC00, 0x40, 0x66, "fetching", "no fetch failure"},
        {LampState::Failed, 0x4000, 0x6600, 0x88, 0xCC, "not fetching", "fetch failed"},
        {LampState::Fetched, 0x4000, 0x6600, 0x88, 0xCC, "not fetching", "fetch failed"},
        {LampState::Busy, 0x8800, 0xCC00, 0x40, 0x66, "fetching", "no fetch failure"},
        {LampState::Fetched, 0x4000, 0x6600, 0x40, 0x66, "not fetching", "no fetch failure"},
    };
    for (const auto& s : steps) {
        lamps.SetLampState(s.state);
        EXPECT_EQ(s1.Brush(), s.body1);
        EXPECT_EQ(s4.Brush(), s.dot4);
        EXPECT_EQ(s2.Brush(), s.body2);
        EXPECT_EQ(s3.Brush(), s.dot3);
        EXPECT_EQ(s1.PenWidth(), 4);
        EXPECT_EQ(s2.Pen(), 0u);
        for (const CircleShape* lamp : {&s1, &s4, &s2, &s3})
            EXPECT_EQ(lamp->accessibleName() + lamp->toolTip(),
                      QString(lamp == &s1 || lamp == &s4 ? s.green : s.red).repeated(2));
    }
    EXPECT_EQ(told, 6);
}

// The task bar reads the status and the program's name; the widget's own title stays the status.
TEST(QtStatusLine, NativeTitleAddsTheProgramsName) {
    QWidget window;
    window.show();
    QtStatusLine status(window);
    const QString name = QGuiApplication::applicationName();
    const std::pair<const char*, QString> cases[] = {{"Accessing data", "Accessing data — " + name},
                                                     {"Completed", "Completed — " + name},
                                                     {"", name}};
    for (const auto& [text, native] : cases) {
        status.SetStatus(text);
        EXPECT_EQ(window.windowTitle(), text);
        ASSERT_NE(window.windowHandle(), nullptr);
        EXPECT_EQ(window.windowHandle()->title(), native) << text;
    }
}

TEST(CommandLine, VersionAndHelpAnsweredWithoutAWindow) {
    const std::string version = std::string("stormbell ") + kVersion + "\n";
    const struct {
        std::vector<std::string> args;
        std::optional<int> code;
        std::string printed;
    } cases[] = {
        {{"--version"}, 0, version}, {{"--help"}, 0, kGaugeUsage},
        {{"-h"}, 0, kGaugeUsage},    {{"-platform", "offscreen", "--version"}, 0, version},
        {{}, std::nullopt, ""},      {{"-platform", "xcb"}, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        EXPECT_EQ(AnswerWithoutWindow(c.args, out, [] { return std::string(kGaugeUsage); }),
                  c.code);
        EXPECT_EQ(out.str(), c.printed);
    }
}

} // namespace
} // namespace stormbell
