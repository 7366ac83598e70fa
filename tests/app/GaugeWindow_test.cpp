#include "GaugeFixture.h"

#include "app/qt/WindowRegion.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"

#include <QTimer>

#include <tuple>

namespace stormbell::testing {
namespace {

using GaugeWindowTest = GaugeFixture;

QRect InWindow(const QWidget& w) {
    return QRect(w.mapTo(w.window(), QPoint(0, 0)), w.size());
}

TEST_F(GaugeWindowTest, StartUpPlacesShapesColoursAndTimesTheWindowAndItsComponents) {
    GaugeWindow& w = Start();
    const char* const hub = "reference hand: left click turns on, right click turns back";
    const struct {
        const char* name;
        QRect bounds;
        const char* says;             // to a screen reader and on hovering; nullptr: nothing
        const char* hovers = nullptr; // when not what it says
    } components[] = {
        {"englishSkin", {0, 0, 473, 257}, nullptr},
        {"metricSkin", {0, 0, 473, 257}, nullptr},
        {"greenLamp", {230, 171, 17, 17}, "not fetching"},
        {"redLamp", {230, 203, 17, 17}, "no fetch failure"},
        {"redLampDot", {236, 210, 4, 4}, "no fetch failure"},
        {"greenLampDot", {236, 177, 4, 4}, "not fetching"},
        {"hub", {227, 70, 17, 17}, hub},
        {"barPanel", {361, 183, 58, 22}, nullptr},
        {"updateBar", {365, 187, 24, 6}, "update now"},
        {"optionsBar", {391, 187, 24, 6}, "options"},
        {"minimiseBar", {365, 195, 24, 6}, "minimise"},
        {"exitBar",
         {391, 195, 24, 6},
         "save and exit",
         "save and exit (closing the gauge any other way does not save the settings)"},
    };
    QStringList zOrder;
    for (QObject* child : w.children())
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
            zOrder << child->objectName();
    EXPECT_EQ(zOrder,
              QStringList({"englishSkin", "metricSkin", "greenLamp", "redLamp", "redLampDot",
                           "greenLampDot", "hub", "barPanel", "FocusMark", "stationLine"}));
    for (const auto& c : components) {
        QWidget& widget = Child(w, c.name);
        EXPECT_EQ(InWindow(widget), c.bounds) << c.name;
        if (c.says == nullptr)
            continue;
        EXPECT_EQ(widget.accessibleName(), c.says);
        EXPECT_EQ(Hover(widget), c.hovers ? c.hovers : c.says) << c.name;
    }
    EXPECT_EQ(w.accessibleName(), "Stormbell weather gauge");
    EXPECT_EQ(w.size(), QSize(475, 256));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.pos(), QPoint(213, 102));
    EXPECT_EQ(w.WindowRegion(), RoundRectRegion(QRect(0, 0, 475, 256), 130, 130));
    const auto& hand = Child<CircleShape>(w, "hub");
    EXPECT_EQ(std::make_tuple(Brush(w, "greenLamp"), Brush(w, "redLamp"), hand.Pen(),
                              hand.PenWidth(), hand.Brush()),
              std::make_tuple(0x4000u, 0x40u, 0x4466u, 3, 0x6688u));
    EXPECT_EQ(Child<QTimer>(w, "updateTimer").interval(), 60 * 60000);
    // The column right of the skin shows the window's background.
    const QImage picture = w.grab().toImage();
    for (int x : {473, 474})
        EXPECT_EQ(picture.pixelColor(x, 128), ToQColor(colors::kSkinBackground)) << x;
}

// Each case starts a new program with the window at (213, 102).
TEST_F(GaugeWindowTest, DragMovesByThePointersTravelOnTheShownSkinOnly) {
    constexpr Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton, none = Qt::NoButton;
    const struct {
        const char* what;
        const char* mode;
        Qt::MouseButton press;
        QPoint at;
        Qt::MouseButton release; // none: no release before the move
        QPoint moveTo;
        QPoint expected;
    } cases[] = {
        {"left on the skin", "0", L, {100, 50}, none, {110, 45}, {223, 97}},
        {"left on the metric skin", "1", L, {100, 50}, none, {110, 45}, {223, 97}},
        {"right on the skin", "0", R, {100, 50}, none, {110, 45}, {213, 102}},
        {"right released while left held", "0", L, {100, 50}, R, {110, 45}, {223, 97}},
        {"left on the hub", "0", L, {235, 78}, none, {245, 88}, {213, 102}},
        {"left on a lamp", "0", L, {238, 179}, none, {248, 189}, {213, 102}},
        {"left on the panel", "0", L, {362, 184}, none, {372, 194}, {213, 102}},
    };
    for (const auto& c : cases) {
        store.Values["DisplayMode"] = c.mode;
        GaugeWindow& w = Start();
        const bool english = std::string(c.mode) == "0";
        EXPECT_EQ(Child(w, "englishSkin").isHidden(), !english) << c.what;
        EXPECT_EQ(Child(w, "metricSkin").isHidden(), english) << c.what;
        QWindow* handle = w.windowHandle();
        QTest::mousePress(handle, c.press, {}, c.at);
        if (c.release != none)
            QTest::mouseRelease(handle, c.release, {}, c.at);
        QTest::mouseMove(handle, c.moveTo);
        EXPECT_EQ(w.pos(), c.expected) << c.what;
        // QTest remembers held buttons across windows.
        QTest::mouseRelease(handle, c.press, {}, c.moveTo);
    }
}

TEST_F(GaugeWindowTest, HoveringTheSkinTellsTheStoredReadingNotFetchedSinceStart) {
    store.Values["OTemp"] = "50";
    GaugeWindow& w = Start();
    const std::string hovered = Hover(Child(w, "englishSkin"));
    const std::string saved =
        "No reading yet in this run; these are the values shown when the gauge was last saved.\n";
    EXPECT_NE(hovered.find(saved), std::string::npos) << hovered;
    EXPECT_NE(hovered.find("Temperature 50 °F (10.0 °C)"), std::string::npos) << hovered;
    EXPECT_EQ(Described(w).rfind(saved, 0), 0u) << Described(w);
}

// A value the last report did not state is still not reported after a restart: it rests dimmed.
TEST_F(GaugeWindowTest, ValuesTheLastReportDidNotStateStayUnreportedAfterARestart) {
    store.Values = {{"OTemp", "50"}, {"OHumd", "64"}, {"ONotReported", "DewPoint"}};
    GaugeWindow& w = Start();
    EXPECT_NE(Described(w).find("\nHumidity not reported\n"), std::string::npos) << Described(w);
    EXPECT_EQ(w.GetGauges().Unreported, Only(Needle::Humidity));
}

TEST_F(GaugeWindowTest, HubClicksTurnTheReferenceHand) {
    store.Values["OPresInfo"] = "30.00";
    GaugeWindow& w = Start();
    const std::string described = Described(w);
    QWidget& skin = Child(w, "englishSkin");
    const QImage before = skin.grab().toImage();
    Click(w, "hub");
    Click(w, "hub");
    QTest::mouseClick(&Child(w, "hub"), Qt::RightButton);
    EXPECT_EQ(w.GetGauges().PressSet, 51);
    EXPECT_NE(skin.grab().toImage(), before);
    EXPECT_NE(Described(w), described); // the hand's difference to the pressure
}

// A failed save is told and the program goes on, so that the exit can be tried again.
TEST_F(GaugeWindowTest, ExitSavesThePositionAndEndsWithZeroOnceTheSaveWorks) {
    GaugeWindow& w = Start();
    w.move(300, 40);
    store.FailCommit = true;
    Click(w, "exitBar");
    EXPECT_EQ(endCode, std::nullopt);
    EXPECT_EQ(messages, std::vector<std::string>{"Failed to set data for 'LIndex'"});
    store.FailCommit = false;
    Click(w, "exitBar");
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(std::tie(store.Values["FLeft"], store.Values["FTop"]), std::make_tuple("300", "40"));
}

TEST_F(GaugeWindowTest, CloseEndsWithoutSaving) {
    GaugeWindow& w = Start();
    w.close();
    EXPECT_EQ(endCode, 0);
    EXPECT_TRUE(store.Written.empty());
    EXPECT_EQ(w.CycleState(), SessionState::Closed); // the client is gone
    EXPECT_FALSE(w.isVisible());
}

TEST_F(GaugeWindowTest, OptionsButtonShowsTheDialogWithoutWaiting) {
    GaugeWindow& w = Start();
    Click(w, "optionsBar");
    EXPECT_TRUE(program->options.isVisible());
    EXPECT_FALSE(program->options.isModal());
}

} // namespace
} // namespace stormbell::testing
