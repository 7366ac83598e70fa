#include "observation/NeedleSweep.h"

#include <cstdlib>
#include <functional>
#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

#include "observation/PressurePlan.h"
#include "platform/TextConvert.h"
#include "tests/observation/Fakes.h"
#include "tests/support/SampleObservation.h"

namespace stormbell {
namespace {

// Shown values resting on their targets, with a whole-number pressure and a wind blowing.
Observation Settled() {
    Observation o = testing::SampleObservation();
    o.Shown.PressureInHg = 30;
    o.Shown.WindDirection = {180, false};
    o.Shown.WindSpeedKnots = 5;
    o.SetTargetsToShown();
    return o;
}

class NeedleSweepTest : public ::testing::Test {
protected:
    long Sweep() {
        PressurePlan plan = StartPressurePlan(o);
        FinishPressurePlan(plan);
        return NeedleSweep(presenter, pause, status).Run(o, plan);
    }

    // Every shown value equals its target: the state a finished sweep must leave.
    void ExpectArrived() const {
        EXPECT_EQ(o.Shown.TemperatureF, o.Target.TemperatureF);
        EXPECT_EQ(o.Shown.HumidityPercent, o.Target.HumidityPercent);
        EXPECT_EQ(o.Shown.HeatIndexF, o.Target.HeatIndexF);
        EXPECT_EQ(o.Shown.WindChillF, o.Target.WindChillF);
        EXPECT_EQ(o.Shown.PressureInHg, o.Target.PressureInHg);
        EXPECT_EQ(o.Shown.WindDirection, o.Target.WindDirection);
        EXPECT_EQ(o.Shown.WindSpeedKnots, o.Target.WindSpeedKnots);
    }

    Observation o = Settled();
    testing::RecordingPresenter presenter{o};
    testing::CountingPause pause;
    testing::RecordingStatus status;
};

TEST_F(NeedleSweepTest, LastsAsManyFramesAsTheSlowestValueNeeds) {
    struct Case {
        const char* what;
        std::function<void(Observation&)> change;
        long frames;
    } cases[] = {
        {"nothing changes", [](Observation&) {}, 0},
        {"temperature +100", [](Observation& o) { o.Target.TemperatureF = 150; }, 100},
        {"humidity -50", [](Observation& o) { o.Target.HumidityPercent = 0; }, 50},
        {"chill -3", [](Observation& o) { o.Target.WindChillF = 47; }, 3},
        {"pressure +0.50", [](Observation& o) { o.Target.PressureInHg = 30.50; }, 12},
        {"pressure -0.50", [](Observation& o) { o.Target.PressureInHg = 29.50; }, 12},
        {"pressure below one step", [](Observation& o) { o.Target.PressureInHg = 30.03; }, 1},
        {"pressure with one decimal",
         [](Observation& o) {
             o.Shown.PressureInHg = 30.09;
             o.Target.PressureInHg = 30.1;
         },
         1},
        {"whole-number pressure",
         [](Observation& o) {
             o.Shown.PressureInHg = 30.09;
             o.Target.PressureInHg = 30;
         },
         2},
        {"pressure with three decimals", [](Observation& o) { o.Target.PressureInHg = 30.123; }, 3},
        {"pressure not a number",
         [](Observation& o) { o.Target.PressureInHg = std::numeric_limits<double>::quiet_NaN(); },
         0},
        {"stored heat index 72.5, target 75",
         [](Observation& o) {
             o.Shown.HeatIndexF = 72.5;
             o.Target.HeatIndexF = 75;
         },
         3},
        {"stored chill 72.5, target 72",
         [](Observation& o) {
             o.Shown.WindChillF = 72.5;
             o.Target.WindChillF = 72;
         },
         0},
        {"direction 350 to 10",
         [](Observation& o) {
             o.Shown.WindDirection = {350, false};
             o.Target.WindDirection = {10, false};
         },
         71},
        {"direction 180 to 90",
         [](Observation& o) {
             o.Target.WindDirection = {90, false};
         },
         30},
        {"direction variable", [](Observation& o) { o.Target.WindDirection = kVariableWind; }, 1},
        {"calm after wind", [](Observation& o) { o.Target.WindSpeedKnots = 0; }, 5},
    };
    for (const auto& c : cases) {
        o = Settled();
        presenter.frames.clear();
        pause = {};
        status.texts.clear();
        c.change(o);
        const long frames = Sweep();
        EXPECT_EQ(frames, c.frames) << c.what;
        ExpectArrived();
        EXPECT_EQ(pause.count, frames) << c.what;
        EXPECT_EQ(pause.totalMilliseconds, 25 * frames) << c.what;
        EXPECT_EQ(static_cast<long>(presenter.frames.size()), frames + 1) << c.what;
        EXPECT_EQ(status.texts, std::vector<std::string>{"Completed"}) << c.what;
    }
}

TEST_F(NeedleSweepTest, PressureTakesWholeStepsThenTheRemainder) {
    o.Target.PressureInHg = 30.50;
    Sweep();
    ASSERT_EQ(presenter.frames.size(), 13u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(FloatToStrGeneral(presenter.frames[i].Shown.PressureInHg),
                  FloatToStrGeneral(30 + 0.04 * i))
            << i;
    EXPECT_EQ(presenter.frames[12].Shown.PressureInHg, 30.5);
    EXPECT_EQ(o.Target.PressureInHg, 30.5);
}

TEST_F(NeedleSweepTest, DirectionNeverWrapsThroughNorth) {
    o.Shown.WindDirection = {350, false};
    o.Target.WindDirection = {10, false};
    Sweep();
    bool passedSouth = false;
    for (std::size_t i = 1; i < presenter.frames.size(); ++i) {
        const int before = presenter.frames[i - 1].Shown.WindDirection.Degrees;
        const int now = presenter.frames[i].Shown.WindDirection.Degrees;
        const int gap = before - 10;
        EXPECT_EQ(before - now, gap > 30 ? 6 : gap > 10 ? 2 : 1) << before;
        passedSouth = passedSouth || (before > 180 && now < 180);
    }
    EXPECT_TRUE(passedSouth);
    EXPECT_EQ(o.Shown.WindDirection, (WindDirection{10, false}));
}

TEST_F(NeedleSweepTest, VariableDirectionShowsAfterTheFirstFrame) {
    o.Target.WindDirection = kVariableWind;
    o.Target.TemperatureF = 53;
    Sweep();
    ASSERT_EQ(presenter.frames.size(), 4u);
    EXPECT_EQ(presenter.frames[0].Shown.WindDirection, (WindDirection{180, false}));
    for (std::size_t i = 1; i < presenter.frames.size(); ++i)
        EXPECT_EQ(presenter.frames[i].Shown.WindDirection, kVariableWind);
}

TEST_F(NeedleSweepTest, CalmAfterWindStepsDownOneKnotPerFrame) {
    o.Target.WindSpeedKnots = 0;
    Sweep();
    ASSERT_EQ(presenter.frames.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(presenter.frames[i].Shown.WindSpeedKnots, 5 - i);
}

TEST_F(NeedleSweepTest, TargetsTheNeedlesCannotReachFailBeforeAnythingMoves) {
    struct Case {
        std::int32_t direction;
        const char* message;
    } cases[] = {
        {-5, "The wind direction '-5' is negative"},
        {std::numeric_limits<std::int32_t>::min(), "The wind direction '-2147483648' is negative"},
        {1000, "The wind direction '1000' has more than three digits"},
        {std::numeric_limits<std::int32_t>::max(),
         "The wind direction '2147483647' has more than three digits"},
    };
    for (const auto& c : cases) {
        o = Settled();
        o.Target.TemperatureF = 70;
        status.texts.clear();
        o.Target.WindDirection = {c.direction, false};
        try {
            Sweep();
            ADD_FAILURE() << "no error for " << c.direction;
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_TRUE(presenter.frames.empty());
        EXPECT_EQ(o.Shown.TemperatureF, 50);
        EXPECT_EQ(o.Shown.WindDirection, (WindDirection{180, false}));
        EXPECT_TRUE(status.texts.empty());
    }
}

TEST_F(NeedleSweepTest, ShownDirectionOffTheCompassStartsFromItsNearerEnd) {
    const struct {
        std::int32_t shown, first;
    } cases[] = {{-5, 1}, {std::numeric_limits<std::int32_t>::min(), 1}, {1200, 993}};
    for (const auto& c : cases) {
        o = Settled();
        presenter.frames.clear();
        o.Shown.WindDirection = {c.shown, false};
        o.Target.WindDirection = {10, false};
        Sweep();
        ExpectArrived();
        ASSERT_GE(presenter.frames.size(), 2u);
        EXPECT_EQ(presenter.frames[1].Shown.WindDirection.Degrees, c.first) << c.shown;
        EXPECT_EQ(o.Shown.WindDirection, (WindDirection{10, false}));
    }
}

// 999 is the code for an unknown direction, and a few stations report just above 360.
TEST_F(NeedleSweepTest, EveryThreeDigitDirectionIsSweptTo) {
    for (const std::int32_t degrees : {0, 360, 370, 999}) {
        o = Settled();
        o.Target.WindDirection = {degrees, false};
        Sweep();
        ExpectArrived();
        EXPECT_EQ(o.Shown.WindDirection, (WindDirection{degrees, false}));
    }
}

TEST_F(NeedleSweepTest, FrameBoundJumpsToTheTargetsAndCompletes) {
    struct Case {
        const char* what;
        std::function<void(Observation&)> change;
    } cases[] = {
        {"speed far away", [](Observation& o) { o.Target.WindSpeedKnots = 50000; }},
        {"humidity from the 32-bit minimum",
         [](Observation& o) {
             o.Shown.HumidityPercent = std::numeric_limits<std::int32_t>::min();
         }},
        {"temperature across the 16-bit range",
         [](Observation& o) {
             o.Shown.TemperatureF = std::numeric_limits<std::int16_t>::min();
             o.Target.TemperatureF = std::numeric_limits<std::int16_t>::max();
         }},
    };
    for (const auto& c : cases) {
        o = Settled();
        presenter.frames.clear();
        status.texts.clear();
        c.change(o);
        EXPECT_EQ(Sweep(), MaxSweepFrames) << c.what;
        ExpectArrived();
        EXPECT_EQ(static_cast<long>(presenter.frames.size()), MaxSweepFrames + 1) << c.what;
        EXPECT_EQ(presenter.frames.back().Shown.WindSpeedKnots, o.Target.WindSpeedKnots) << c.what;
        EXPECT_EQ(status.texts, std::vector<std::string>{"Completed"}) << c.what;
    }
}

// The pause throws when the program ends during a sweep; what is left must be a real reading.
TEST_F(NeedleSweepTest, InterruptedSweepLeavesTheTargetsShown) {
    class ThrowingPause final : public Pause {
    public:
        void Sleep(int) override {
            if (++count == 3)
                throw std::runtime_error("ended");
        }
        int count = 0;
    } throwing;
    o.Target.TemperatureF = 80;
    o.Target.PressureInHg = 30.12;
    o.Target.WindDirection = {90, false};
    o.Target.WindSpeedKnots = 14;
    PressurePlan plan = StartPressurePlan(o);
    FinishPressurePlan(plan);
    EXPECT_THROW(NeedleSweep(presenter, throwing, status).Run(o, plan), std::runtime_error);
    ExpectArrived();
    EXPECT_EQ(o.Shown.WindDirection, (WindDirection{90, false}));
    EXPECT_TRUE(status.texts.empty());
}

} // namespace
} // namespace stormbell
