#include "observation/ReadingTracker.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;
using testing::FixedClock;

constexpr sys_seconds kObserved = sys_days{2024y / April / 18} + 19h + 20min;
constexpr sys_seconds kNow = kObserved + 23min;

struct LinesBox final : ReportBox {
    void LoadReport(const std::string&) override {}
    std::vector<std::string> Lines() const override { return lines; }
    std::vector<std::string> lines;
};

const std::vector<std::string> kReport = {
    "London City Airport, United Kingdom (EGLC) 51-30N 000-30W",
    "Apr 18, 2024 - 03:20 PM EDT / 2024.04.18 1920 UTC",
    "Temperature: 51 F (11 C)",
    "Windchill: 45 F (7 C):1",
};

class ReadingTrackerTest : public ::testing::Test {
protected:
    // A decoded cycle of `lines`, at kNow.
    void Decode(const std::vector<std::string>& lines) {
        box.lines = lines;
        tracker.RecordCycle([] { return true; }, box);
    }
    FixedClock clock{kNow};
    LinesBox box;
    ReadingTracker tracker{clock};
};

TEST_F(ReadingTrackerTest, DecodedCycleNamesStationAndTimes) {
    tracker.RecordCycle([] { return false; }, box);
    Decode(kReport);
    const ReadingContext& c = tracker.Context();
    EXPECT_EQ(c.StationName, "London City Airport, United Kingdom");
    EXPECT_EQ(c.StationIdentifier, "EGLC");
    EXPECT_EQ(c.Observed, kObserved);
    EXPECT_EQ(c.LastFetch, kNow);
    EXPECT_FALSE(c.LastCycleFailed);
    ASSERT_TRUE(c.Service.WindChill);
    EXPECT_EQ(c.Service.WindChill->Fahrenheit, "45");
    EXPECT_FALSE(c.Service.HeatIndex);
}

TEST_F(ReadingTrackerTest, ReportThatDoesNotSayLeavesStationAndTimeUnknown) {
    const std::vector<std::vector<std::string>> reports = {
        {},
        {"no station here"},
        {kReport[0], "no time here"},
    };
    for (const auto& report : reports) {
        Decode(kReport);
        Decode(report);
        const ReadingContext& c = tracker.Context();
        EXPECT_EQ(c.StationIdentifier.empty(), report.empty() || report[0] != kReport[0]);
        EXPECT_EQ(c.Observed, std::nullopt) << report.size();
        EXPECT_FALSE(c.Service.WindChill) << report.size();
        EXPECT_EQ(c.LastFetch, kNow);
    }
}

TEST_F(ReadingTrackerTest, RefusedOrThrowingCycleIsAFailureThatKeepsTheReading) {
    Decode(kReport);
    clock.Set(kNow + 1h);
    tracker.RecordCycle([] { return false; }, box);
    tracker.RecordFailure("KXYZ.TXT was not found");
    EXPECT_TRUE(tracker.Context().LastCycleFailed);
    EXPECT_EQ(tracker.Context().LastFailure, "KXYZ.TXT was not found");

    Decode(kReport);
    EXPECT_EQ(tracker.Context().LastFailure, "");
    EXPECT_THROW(tracker.RecordCycle([]() -> bool { throw std::runtime_error("550"); }, box),
                 std::runtime_error);
    const ReadingContext& c = tracker.Context();
    EXPECT_TRUE(c.LastCycleFailed);
    EXPECT_EQ(c.LastFailure, "550");
    EXPECT_EQ(c.StationIdentifier, "EGLC");
    EXPECT_EQ(c.Observed, kObserved);
    EXPECT_EQ(c.LastFetch, kNow + 1h);
}

} // namespace
} // namespace stormbell
