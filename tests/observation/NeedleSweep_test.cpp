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
    o.OPresInfo = "30";
    o.OWDInfo = "180";
    o.OWSInfo = "5";
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
        EXPECT_EQ(o.OTemp, o.NewTemp);
        EXPECT_EQ(o.OHumd, o.NewHumd);
        EXPECT_EQ(o.OHeatIndex, o.NewHeatIndex);
        EXPECT_EQ(o.OChill, o.NewChill);
        EXPECT_EQ(o.OPresInfo, o.NewPresInfo);
        EXPECT_EQ(o.OWDInfo, o.NewWDInfo);
        EXPECT_EQ(o.OWSInfo, o.NewWSInfo);
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
        {"temperature +100", [](Observation& o) { o.NewTemp = 150; }, 100},
        {"humidity -50", [](Observation& o) { o.NewHumd = 0; }, 50},
        {"chill -3", [](Observation& o) { o.NewChill = 47; }, 3},
        {"pressure +0.50", [](Observation& o) { o.NewPresInfo = "30.50"; }, 12},
        {"pressure -0.50", [](Observation& o) { o.NewPresInfo = "29.50"; }, 12},
        {"pressure 30 shown, 30.00 target", [](Observation& o) { o.NewPresInfo = "30.00"; }, 1},
        {"pressure below one step", [](Observation& o) { o.NewPresInfo = "30.03"; }, 1},
        {"pressure with one decimal",
         [](Observation& o) {
             o.OPresInfo = "30.09";
             o.NewPresInfo = "30.1";
         },
         1},
        {"whole-number pressure",
         [](Observation& o) {
             o.OPresInfo = "30.09";
             o.NewPresInfo = "30";
         },
         2},
        {"pressure with three decimals", [](Observation& o) { o.NewPresInfo = "30.123"; }, 3},
        {"pressure not a number", [](Observation& o) { o.NewPresInfo = "n/a"; }, 0},
        {"stored heat index 72.5, target 75",
         [](Observation& o) {
             o.OHeatIndex = 72.5;
             o.NewHeatIndex = 75;
         },
         3},
        {"stored chill 72.5, target 72",
         [](Observation& o) {
             o.OChill = 72.5;
             o.NewChill = 72;
         },
         0},
        {"direction 350 to 10",
         [](Observation& o) {
             o.OWDInfo = "350";
             o.NewWDInfo = "010";
         },
         71},
        {"direction target without padding", [](Observation& o) { o.NewWDInfo = "90"; }, 30},
        {"direction variable", [](Observation& o) { o.NewWDInfo = "VRB"; }, 1},
        {"calm after wind", [](Observation& o) { o.NewWSInfo = "00"; }, 5},
        {"speed texts differ only in form", [](Observation& o) { o.OWSInfo = "05"; }, 1},
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
    o.NewPresInfo = "30.50";
    Sweep();
    ASSERT_EQ(presenter.frames.size(), 13u);
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(StrToFloat(presenter.frames[i].OPresInfo), 30 + 0.04 * i, 1e-9) << i;
    EXPECT_EQ(presenter.frames[12].OPresInfo, "30.5");
    EXPECT_EQ(o.NewPresInfo, "30.5");
}

TEST_F(NeedleSweepTest, DirectionNeverWrapsThroughNorth) {
    o.OWDInfo = "350";
    o.NewWDInfo = "010";
    Sweep();
    bool passedSouth = false;
    for (std::size_t i = 1; i < presenter.frames.size(); ++i) {
        const auto& text = presenter.frames[i].OWDInfo;
        EXPECT_EQ(text.size(), 3u) << text;
        const int before = StrToInt(presenter.frames[i - 1].OWDInfo);
        const int now = StrToInt(text);
        const int gap = before - 10;
        EXPECT_EQ(before - now, gap > 30 ? 6 : gap > 10 ? 2 : 1) << before;
        passedSouth = passedSouth || (before > 180 && now < 180);
    }
    EXPECT_TRUE(passedSouth);
    EXPECT_EQ(o.OWDInfo, "010");
}

TEST_F(NeedleSweepTest, VariableDirectionShowsAfterTheFirstFrame) {
    o.NewWDInfo = "VRB";
    o.NewTemp = 53;
    Sweep();
    ASSERT_EQ(presenter.frames.size(), 4u);
    EXPECT_EQ(presenter.frames[0].OWDInfo, "180");
    for (std::size_t i = 1; i < presenter.frames.size(); ++i)
        EXPECT_EQ(presenter.frames[i].OWDInfo, "VRB");
}

TEST_F(NeedleSweepTest, CalmAfterWindStepsDownOneKnotPerFrame) {
    o.NewWSInfo = "00";
    Sweep();
    ASSERT_EQ(presenter.frames.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(presenter.frames[i].OWSInfo, IntToStr(5 - i));
    EXPECT_EQ(presenter.frames[1].NewWSInfo, "0");
}

TEST_F(NeedleSweepTest, TargetsTheNeedlesCannotReachFailBeforeAnythingMoves) {
    struct Case {
        const char *direction, *speed, *message;
    } cases[] = {
        {"180", "9.5", "'9.5' is not a valid integer value"},
        {"abc", "5", "The wind direction 'abc' is not a whole number of degrees"},
        {"180", "99999999999", "'99999999999' is not a valid integer value"},
        {"-5", "5", "The wind direction '-5' is negative"},
        {"-99999999999", "5", "The wind direction '-99999999999' is negative"},
        {"1000", "5", "The wind direction '1000' has more than three digits"},
        {"99999999999", "5", "The wind direction '99999999999' has more than three digits"},
    };
    for (const auto& c : cases) {
        o = Settled();
        o.NewTemp = 70;
        status.texts.clear();
        o.NewWDInfo = c.direction;
        o.NewWSInfo = c.speed;
        try {
            Sweep();
            ADD_FAILURE() << "no error for " << c.direction << " " << c.speed;
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_TRUE(presenter.frames.empty());
        EXPECT_EQ(o.OTemp, 50);
        EXPECT_EQ(o.OWDInfo, "180");
        EXPECT_TRUE(status.texts.empty());
    }
}

TEST_F(NeedleSweepTest, ShownDirectionOffTheCompassStartsFromItsNearerEnd) {
    const struct {
        const char *shown, *first;
    } cases[] = {{"-5", "001"}, {"-2147483648", "001"}, {"1200", "993"}};
    for (const auto& c : cases) {
        o = Settled();
        presenter.frames.clear();
        o.OWDInfo = c.shown;
        o.NewWDInfo = "10";
        Sweep();
        ExpectArrived();
        ASSERT_GE(presenter.frames.size(), 2u);
        EXPECT_EQ(presenter.frames[1].OWDInfo, c.first) << c.shown;
        EXPECT_EQ(o.OWDInfo, "010");
    }
}

// 999 is the code for an unknown direction, and a few stations report just above 360.
TEST_F(NeedleSweepTest, EveryThreeDigitDirectionIsSweptTo) {
    for (const char* direction : {"0", "360", "370", "999"}) {
        o = Settled();
        o.NewWDInfo = direction;
        Sweep();
        ExpectArrived();
        EXPECT_EQ(o.OWDInfo, PadDirection(direction));
    }
}

TEST_F(NeedleSweepTest, FrameBoundJumpsToTheTargetsAndCompletes) {
    struct Case {
        const char* what;
        std::function<void(Observation&)> change;
    } cases[] = {
        {"speed far away", [](Observation& o) { o.NewWSInfo = "50000"; }},
        {"humidity from the 32-bit minimum",
         [](Observation& o) { o.OHumd = std::numeric_limits<std::int32_t>::min(); }},
        {"temperature across the 16-bit range",
         [](Observation& o) {
             o.OTemp = std::numeric_limits<std::int16_t>::min();
             o.NewTemp = std::numeric_limits<std::int16_t>::max();
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
        EXPECT_EQ(presenter.frames.back().OWSInfo, o.NewWSInfo) << c.what;
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
    o.NewTemp = 80;
    o.NewPresInfo = "30.12";
    o.NewWDInfo = "90";
    o.NewWSInfo = "14";
    PressurePlan plan = StartPressurePlan(o);
    FinishPressurePlan(plan);
    EXPECT_THROW(NeedleSweep(presenter, throwing, status).Run(o, plan), std::runtime_error);
    ExpectArrived();
    EXPECT_EQ(o.OWDInfo, "090");
    EXPECT_TRUE(status.texts.empty());
}

} // namespace
} // namespace stormbell
