#include "observation/ReadingTracker.h"

#include <gtest/gtest.h>

#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;
using testing::FixedClock;

constexpr sys_seconds kObserved = sys_days{2024y / April / 18} + 19h + 20min;
constexpr sys_seconds kNow = kObserved + 23min;

const std::vector<std::string> kReport = {
    "London City Airport, United Kingdom (EGLC) 51-30N 000-30W",
    "Apr 18, 2024 - 03:20 PM EDT / 2024.04.18 1920 UTC",
    "Temperature: 51 F (11 C)",
    "Windchill: 45 F (7 C):1",
};

class ReadingTrackerTest : public ::testing::Test {
protected:
    void Decode(const std::vector<std::string>& lines) { tracker.RecordDecoded(lines); }
    FixedClock clock{kNow};
    ReadingTracker tracker{clock};
};

TEST_F(ReadingTrackerTest, DecodedCycleNamesStationAndTimes) {
    tracker.RecordFailure("", true);
    Decode(kReport);
    const ReadingContext& c = tracker.Context();
    EXPECT_EQ(c.Header.StationName, "London City Airport, United Kingdom");
    EXPECT_EQ(c.Header.Station, "EGLC");
    EXPECT_EQ(c.Header.Observed, kObserved);
    EXPECT_EQ(c.LastFetch, kNow);
    EXPECT_FALSE(c.LastCycleFailed);
    EXPECT_FALSE(c.FtpBlocked);
    ASSERT_TRUE(c.Figures.Service.WindChill);
    EXPECT_EQ(c.Figures.Service.WindChill->Fahrenheit, "45");
    EXPECT_FALSE(c.Figures.Service.HeatIndex);
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
        EXPECT_EQ(c.Header.Station.empty(), report.empty() || report[0] != kReport[0]);
        EXPECT_EQ(c.Header.Observed, std::nullopt) << report.size();
        EXPECT_FALSE(c.Figures.Service.WindChill) << report.size();
        EXPECT_EQ(c.LastFetch, kNow);
    }
}

TEST_F(ReadingTrackerTest, FailedCycleKeepsTheReading) {
    Decode(kReport);
    clock.Set(kNow + 1h);
    tracker.RecordFailure("KXYZ.TXT was not found", true);
    const ReadingContext& c = tracker.Context();
    EXPECT_TRUE(c.LastCycleFailed);
    EXPECT_EQ(c.LastFailure, "KXYZ.TXT was not found");
    EXPECT_TRUE(c.FtpBlocked);
    EXPECT_EQ(c.Header.Station, "EGLC");
    EXPECT_EQ(c.Header.Observed, kObserved);
    EXPECT_EQ(c.LastFetch, kNow);
}

} // namespace
} // namespace stormbell
