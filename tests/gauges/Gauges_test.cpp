#include "gauges/Gauges.h"

#include "RecordingCanvas.h"
#include "platform/TextConvert.h"
#include "tests/support/SampleObservation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace stormbell {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Ops = std::vector<std::string>;

struct GaugesFixture : ::testing::Test {
    GaugesFixture() { obs.Target.TemperatureF = 60; }

    Ops& English() { return image1.Recorder.Ops; }
    Ops& Metric() { return image3.Recorder.Ops; }

    Observation obs = testing::SampleObservation();
    RecordingSkin image1{"englishSkin"}, image2{"englishClean"}, image3{"metricSkin"},
        image4{"metricClean"};
    int repaints = 0;
    Gauges gauges{obs, Skins{image1, image2, image3, image4}, [this] { ++repaints; }};
};

const char* const kHubOuter = "ellipse 227,70,244,87 pen 4466 w0 brush 4466";
const char* const kHubInner = "ellipse 230,73,241,84 pen 6688 w0 brush 6688";

TEST_F(GaugesFixture, TemperatureNeedleAndTail) {
    struct Case {
        std::int16_t temp;
        const char* tip;
        const char* tail;
    } cases[] = {
        {50, "line 84,78-84,33 pen 444444 w2", "line 84,78-84,89 pen 444444 w3"},
        {-64, "line 84,78-84,123 pen 444444 w2", "line 84,78-84,67 pen 444444 w3"},
        {-30, "line 84,78-48,105 pen 444444 w2", "line 84,78-93,71 pen 444444 w3"},
        {0, "line 84,78-40,69 pen 444444 w2", "line 84,78-95,80 pen 444444 w3"},
        {164, "line 84,78-84,123 pen 444444 w2", "line 84,78-84,67 pen 444444 w3"}, // wraps
    };
    for (const Case& c : cases) {
        English().clear();
        obs.Shown.TemperatureF = c.temp;
        gauges.UpdateTemperature();
        EXPECT_THAT(English(), ElementsAre(c.tip, c.tail)) << c.temp;
    }
}

TEST_F(GaugesFixture, HotColdNeedleChosenByTargetTemperature) {
    struct Case {
        std::int16_t target, shown;
        double chill, heat;
        Ops expected;
    } cases[] = {
        {60, 60, -30, 95, {}},
        {51, 51, -30, 95, {}},
        {69, 69, -30, 95, {}},
        {50, 80, -30, 95, {"line 84,78-50,103 pen ff0000 w2"}},
        {70, 20, -30, 95, {"line 84,78-124,64 pen ff w2"}},
    };
    for (const Case& c : cases) {
        English().clear();
        obs.Target.TemperatureF = c.target;
        obs.Shown.TemperatureF = c.shown; // the shown temperature never decides
        obs.Shown.WindChillF = c.chill;
        obs.Shown.HeatIndexF = c.heat;
        gauges.UpdateHotCold();
        EXPECT_THAT(English(), ElementsAreArray(c.expected)) << c.target;
    }
}

TEST_F(GaugesFixture, PressureNeedleThenReferenceHandThenHub) {
    struct Case {
        double inches;
        const char* tip;
        const char* tail;
    } cases[] = {
        {30.00, "line 236,78-236,33 pen 444444 w2", "line 236,78-236,89 pen 444444 w3"},
        {29.00, "line 236,78-191,78 pen 444444 w2", "line 236,78-247,78 pen 444444 w3"},
        {31.00, "line 236,78-281,78 pen 444444 w2", "line 236,78-225,78 pen 444444 w3"},
        {30.01, "line 236,78-237,33 pen 444444 w2", "line 236,78-236,89 pen 444444 w3"},
        {28.00, "line 236,78-236,123 pen 444444 w2", "line 236,78-236,67 pen 444444 w3"},
        {100.0, "line 236,78-236,123 pen 444444 w2", "line 236,78-236,67 pen 444444 w3"},
    };
    gauges.PressSet = 50;
    for (const Case& c : cases) {
        English().clear();
        obs.Shown.PressureInHg = c.inches;
        gauges.UpdatePressure();
        EXPECT_THAT(English(), ElementsAre(c.tip, c.tail, "line 235,78-235,113 pen 6688 w2",
                                           "line 235,113-235,70 pen 6688 w2", kHubOuter, kHubInner))
            << c.inches;
    }
}

TEST_F(GaugesFixture, ReferenceHandPositions) {
    struct Case {
        std::uint16_t set;
        const char* tip;
        const char* tail;
    } cases[] = {
        {50, "line 235,78-235,113 pen 6688 w2", "line 235,113-235,70 pen 6688 w2"},
        {100, "line 235,78-235,43 pen 6688 w2", "line 235,43-235,86 pen 6688 w2"},
        {0, "line 235,78-235,43 pen 6688 w2", "line 235,43-235,86 pen 6688 w2"},
        {25, "line 235,78-270,78 pen 6688 w2", "line 270,78-227,78 pen 6688 w2"},
        {1, "line 235,78-237,43 pen 6688 w2", "line 237,43-234,86 pen 6688 w2"},
        {150, "line 235,78-235,113 pen 6688 w2", "line 235,113-235,70 pen 6688 w2"},
    };
    for (const Case& c : cases) {
        English().clear();
        gauges.PressSet = c.set;
        gauges.UpdatePressSet();
        EXPECT_THAT(English(), ElementsAre("draw englishClean at 0,0", c.tip, c.tail)) << c.set;
        EXPECT_EQ(gauges.StoredPressSet, c.set);
    }
}

TEST_F(GaugesFixture, ValuesBeyondAnyTurnRestAtTheDialsZero) {
    struct Case {
        double pressure;
        double felt;
        const char* pressureTip;
        const char* feltTip;
    } cases[] = {
        {3e307, 1e308, "line 236,78-236,123 pen 444444 w2", "line 84,78-84,120 pen ff w2"},
        {-1.7e308, -1.7e308, "line 236,78-236,123 pen 444444 w2", "line 84,78-84,120 pen ff w2"},
        {4000000028, 228e9, "line 236,78-236,123 pen 444444 w2", "line 84,78-84,120 pen ff w2"},
    };
    obs.Target.TemperatureF = 70;
    for (const Case& c : cases) {
        English().clear();
        obs.Shown.PressureInHg = c.pressure;
        obs.Shown.HeatIndexF = c.felt;
        gauges.UpdateHotCold();
        gauges.UpdatePressure();
        ASSERT_GE(English().size(), 2u);
        EXPECT_EQ(English()[0], c.feltTip) << c.pressure;
        EXPECT_EQ(English()[1], c.pressureTip) << c.pressure;
    }
}

TEST_F(GaugesFixture, HumidityNeedleAndTail) {
    struct Case {
        std::int32_t humidity;
        const char* tip;
        const char* tail;
    } cases[] = {
        {0, "line 386,78-351,106 pen 444444 w2", "line 386,78-395,71 pen 444444 w3"},
        {50, "line 386,78-386,33 pen 444444 w2", "line 386,78-386,89 pen 444444 w3"},
        {100, "line 386,78-421,106 pen 444444 w2", "line 386,78-377,71 pen 444444 w3"},
    };
    for (const Case& c : cases) {
        English().clear();
        obs.Shown.HumidityPercent = c.humidity;
        gauges.UpdateHumidity();
        EXPECT_THAT(English(), ElementsAre(c.tip, c.tail)) << c.humidity;
    }
}

TEST_F(GaugesFixture, WindPointersAreOneStrokeThroughTheCentre) {
    struct Case {
        std::int32_t direction;
        std::int32_t speed;
        Ops expected;
    } cases[] = {
        {0,
         0,
         {"line 178,195-178,175 pen 444444 w2", "line 178,175-178,200 pen 444444 w2",
          "line 294,195-294,215 pen 444444 w2", "line 294,215-294,190 pen 444444 w2"}},
        {90,
         12,
         {"line 178,195-198,195 pen 444444 w2", "line 198,195-173,195 pen 444444 w2",
          "line 294,195-274,195 pen 444444 w2", "line 274,195-299,195 pen 444444 w2"}},
        {310,
         48,
         {"line 178,195-163,182 pen 444444 w2", "line 163,182-182,198 pen 444444 w2",
          "line 294,195-294,215 pen 444444 w2", "line 294,215-294,190 pen 444444 w2"}},
    };
    for (const Case& c : cases) {
        English().clear();
        obs.Shown.WindDirection = {c.direction, false};
        obs.Shown.WindSpeedKnots = c.speed;
        gauges.UpdateWindDirection();
        gauges.UpdateWindSpeed();
        EXPECT_THAT(English(), ElementsAreArray(c.expected)) << c.direction;
        EXPECT_EQ(obs.Target.WindDirection, WindDirection{}); // only variable writes the target
    }
}

TEST_F(GaugesFixture, VariableWindDrawsDiscWithBrushLeftByPressure) {
    obs.Shown.WindDirection = kVariableWind;
    obs.Target.WindDirection = {120, false};
    gauges.UpdatePressure();
    English().clear();
    gauges.UpdateWindDirection();
    EXPECT_THAT(English(), ElementsAre("ellipse 168,185,188,205 pen 444444 w2 brush 6688"));
    EXPECT_EQ(obs.Target.WindDirection, kVariableWind);
}

TEST_F(GaugesFixture, FullRedrawRestoresThenDrawsInFixedOrder) {
    obs.Target.TemperatureF = 40;
    obs.Shown.WindChillF = 50;
    gauges.PressSet = 100;
    gauges.FullRedraw();
    EXPECT_THAT(
        English(),
        ElementsAre("draw englishClean at 0,0", "line 84,78-84,36 pen ff0000 w2",
                    "line 84,78-84,33 pen 444444 w2", "line 84,78-84,89 pen 444444 w3",
                    "line 236,78-236,33 pen 444444 w2", "line 236,78-236,89 pen 444444 w3",
                    "line 235,78-235,43 pen 6688 w2", "line 235,43-235,86 pen 6688 w2", kHubOuter,
                    kHubInner, "line 386,78-386,33 pen 444444 w2",
                    "line 386,78-386,89 pen 444444 w3", "line 178,195-178,175 pen 444444 w2",
                    "line 178,175-178,200 pen 444444 w2", "line 294,195-294,215 pen 444444 w2",
                    "line 294,215-294,190 pen 444444 w2"));
}

TEST_F(GaugesFixture, MetricModeDrawsOnlyOnTheMetricSkin) {
    obs.DisplayMode = DisplayMode::Metric;
    gauges.UpdatePressSet();
    gauges.DrawNeedles();
    EXPECT_THAT(English(), IsEmpty());
    ASSERT_FALSE(Metric().empty());
    EXPECT_EQ(Metric().front(), "draw metricClean at 0,0");
    EXPECT_EQ(Metric().size(), 17u);
    EXPECT_THAT(image2.Recorder.Ops, IsEmpty()); // the clean copies are never drawn on
    EXPECT_THAT(image4.Recorder.Ops, IsEmpty());
}

TEST_F(GaugesFixture, PresentFrameRepaintsOnceAfterDrawing) {
    gauges.PresentFrame();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(English().front(), "draw englishClean at 0,0");
    EXPECT_EQ(English().size(), 15u);
}

TEST_F(GaugesFixture, HubClicksStepAndWrapTheReferenceHand) {
    struct Case {
        std::uint16_t stored;
        MouseButton button;
        std::uint16_t after;
    } cases[] = {
        {100, MouseButton::Left, 1},   {1, MouseButton::Right, 100},
        {50, MouseButton::Left, 51},   {50, MouseButton::Right, 49},
        {0, MouseButton::Left, 1},     {0, MouseButton::Right, 100},
        {150, MouseButton::Left, 1},   {150, MouseButton::Right, 149},
        {65535, MouseButton::Left, 1}, {65535, MouseButton::Right, 65534},
        {100, MouseButton::Right, 99}, {99, MouseButton::Left, 100},
    };
    for (const Case& c : cases) {
        English().clear();
        gauges.PressSet = c.stored;
        gauges.StoredPressSet = 7;
        gauges.HubPressed(c.button);
        EXPECT_EQ(gauges.PressSet, c.after) << c.stored;
        EXPECT_EQ(gauges.StoredPressSet, c.after) << c.stored;
        ASSERT_EQ(English().size(), 3u + 14u);
        EXPECT_EQ(English().front(), "draw englishClean at 0,0");
    }
}

TEST_F(GaugesFixture, MiddleClickRedrawsWithoutRestoreOrStep) {
    gauges.PressSet = 30;
    gauges.StoredPressSet = 7;
    gauges.HubPressed(MouseButton::Middle);
    EXPECT_EQ(gauges.PressSet, 30);
    EXPECT_EQ(gauges.StoredPressSet, 7);
    EXPECT_EQ(English().size(), 14u);
    EXPECT_NE(English().front(), "draw englishClean at 0,0");
}

// The hand goes where the pressure needle points, to the nearest of its hundred steps; straight
// up is 100, and 28.00 and 32.00 share the bottom.
TEST_F(GaugesFixture, ReferenceHandSetToThePressureNeedle) {
    const struct {
        double pressure;
        int step;
    } cases[] = {{30.00, 100}, {31.00, 25},  {29.00, 75}, {28.00, 50}, {32.00, 50},
                 {30.05, 1},   {29.99, 100}, {29.92, 98}, {30.11, 3},  {27.52, 38}};
    for (const auto& c : cases) {
        obs.Shown.PressureInHg = c.pressure;
        gauges.StoredPressSet = 7;
        gauges.SetReferenceToPressure();
        EXPECT_EQ(gauges.PressSet, c.step) << c.pressure;
        EXPECT_EQ(gauges.StoredPressSet, c.step) << c.pressure;
    }
}

} // namespace
} // namespace stormbell
