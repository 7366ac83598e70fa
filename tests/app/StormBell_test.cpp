#include "app/StormBell.h"

#include <gtest/gtest.h>

#include "observation/ReadingTracker.h"
#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

// One bell through a run of reports, each of `station` observed at 03:`minute` UTC with one more
// line: it rings once per observation, for thunder or a fall of 3.5 hPa or more, and says why.
TEST(StormBellTest, RingsOncePerObservationForThunderOrASharpFall) {
    const std::string thunder = "Weather: thunder in the vicinity:0";
    const std::string fall = "Pressure tendency: 0.10 inches (3.5 hPa) lower than three hours ago";
    const std::string none = "no thunder, lightning or sharp pressure fall";
    const struct {
        const char* station;
        int minute;
        std::string line;
        bool enabled, ring;
        std::string why;
        std::optional<double> history = std::nullopt;
    } cases[] = {
        {"KFNT", 53, thunder, true, true, "Thunder or lightning: thunder in the vicinity"},
        {"KFNT", 53, thunder, true, false, "a repeated report"},
        {"KBFI", 53, thunder, true, true, "Thunder or lightning: thunder in the vicinity"},
        {"KBFI", 54, "Weather: Lightning observed", true, true,
         "Thunder or lightning: Lightning observed"},
        {"KBFI", 55, "Weather: light rain", true, false, none},
        {"KBFI", 56, fall, true, true, "Pressure falling 3.5 hPa in 3 hours"},
        {"KBFI", 57, std::string(fall).replace(fall.find("3.5"), 3, "3.4"), true, false, none},
        {"KBFI", 58, std::string(fall).replace(fall.find("lower"), 5, "higher"), true, false, none},
        {"KBFI", 50, "Weather: mist", true, true,
         "Pressure falling 3.6 hPa in 3 hours, from the history", -3.6},
        // The report's own tendency comes before the history's.
        {"KBFI", 51, std::string(fall).replace(fall.find("lower"), 5, "higher"), true, false, none,
         -5.0},
        {"KBFI", 59, thunder, false, false, "storm alerts are off"},
        {"KBFI", 59, thunder, true, false, "a repeated report"},
        {"KBFI", -1, thunder, true, false, "the observation time is unknown"},
    };
    const testing::FixedClock clock(std::chrono::sys_seconds{});
    StormBell bell;
    for (const auto& c : cases) {
        const std::string mm = std::to_string(c.minute);
        ReadingTracker tracker(clock);
        tracker.RecordDecoded(
            {std::string("SOMEWHERE, XX (") + c.station + ")",
             c.minute < 0 ? "no time" : "Aug 25, 2023 / 2023.08.25 03" + mm + " UTC", c.line});
        const StormCall call = bell.Decide(tracker.Context(), c.enabled, clock, c.history);
        EXPECT_EQ(call.Ring, c.ring) << c.station << c.minute;
        EXPECT_EQ(call.Why, c.why) << c.station << c.minute;
        if (c.station == std::string("KFNT") && call.Ring) {
            EXPECT_EQ(call.Title, "Storm warning — KFNT");
            EXPECT_EQ(call.Body, call.Why + "\nObserved Aug 25, 03:53");
        }
    }
}

} // namespace
} // namespace stormbell
