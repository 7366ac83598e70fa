#include "app/StormBell.h"

#include <gtest/gtest.h>

#include "observation/ReadingTracker.h"
#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

// A decoded report of `station` observed at 03:`minute` UTC, with one more line.
std::vector<std::string> Report(const std::string& station, int minute, const std::string& line) {
    const std::string mm = (minute < 10 ? "0" : "") + std::to_string(minute);
    return {"SOMEWHERE, XX, United States (" + station + ") 40-00N 080-00W 100M",
            "Aug 24, 2023 - 11:" + mm + " PM EDT / 2023.08.25 03" + mm + " UTC", line};
}

// One bell through a run of reports: it rings once per observation, for thunder or a fall of
// 3.5 hPa or more, and says why not otherwise.
TEST(StormBellTest, RingsOncePerObservationForThunderOrASharpFall) {
    const std::string thunder = "Weather: thunder in the vicinity; light rain:0";
    const std::string tendency = "Pressure tendency: 0.10 inches (%s hPa) %s than three hours ago";
    auto trend = [&](const char* hpa, const char* way) {
        std::string text = tendency;
        text.replace(text.find("%s"), 2, hpa);
        text.replace(text.find("%s"), 2, way);
        return text;
    };
    const std::string none = "no thunder, lightning or sharp pressure fall";
    struct Case {
        std::vector<std::string> report;
        bool enabled;
        bool ring;
        std::string why;
    } cases[] = {
        {Report("KFNT", 53, thunder), true, true,
         "Thunder or lightning: thunder in the vicinity; light rain"},
        {Report("KFNT", 53, thunder), true, false, "a repeated report"},
        {Report("KBFI", 53, thunder), true, true,
         "Thunder or lightning: thunder in the vicinity; light rain"},
        {Report("KBFI", 54, "Weather: Lightning observed"), true, true,
         "Thunder or lightning: Lightning observed"},
        {Report("KBFI", 55, "Weather: light rain"), true, false, none},
        {Report("KBFI", 56, trend("3.5", "lower")), true, true,
         "Pressure falling 3.5 hPa in 3 hours"},
        {Report("KBFI", 57, trend("3.4", "lower")), true, false, none},
        {Report("KBFI", 58, trend("4.1", "higher")), true, false, none},
        {Report("KBFI", 59, thunder), false, false, "storm alerts are off"},
        {Report("KBFI", 59, thunder), true, false, "a repeated report"},
        {{"SOMEWHERE (KBFI)", "no time here", thunder},
         true,
         false,
         "the observation time is unknown"},
    };
    const testing::FixedClock clock(std::chrono::sys_seconds{});
    StormBell bell;
    for (const Case& c : cases) {
        ReadingTracker tracker(clock);
        tracker.RecordDecoded(c.report);
        const StormCall call = bell.Decide(tracker.Context(), c.enabled, clock);
        EXPECT_EQ(call.Ring, c.ring) << c.report[1] << " " << c.report[2];
        EXPECT_EQ(call.Why, c.why) << c.report[1] << " " << c.report[2];
    }
}

TEST(StormBellTest, TheNotificationNamesStationSignsAndLocalTime) {
    const testing::FixedClock clock(std::chrono::sys_seconds{});
    ReadingTracker tracker(clock);
    tracker.RecordDecoded(Report("KFNT", 53, "Weather: thunder"));
    const StormCall call = StormBell().Decide(tracker.Context(), true, clock);
    EXPECT_EQ(call.Title, "Storm warning — KFNT");
    EXPECT_EQ(call.Body, "Thunder or lightning: thunder\nObserved Aug 25, 03:53");
}

} // namespace
} // namespace stormbell
