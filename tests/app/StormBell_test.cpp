#include "app/StormBell.h"

#include <gtest/gtest.h>

#include "observation/ReadingTracker.h"
#include "tests/support/FixedClock.h"
#include "tests/support/MemorySettingsStore.h"

namespace stormbell {
namespace {

using namespace std::chrono;

// 2023-08-25 03:00 UTC; each report is observed at 03:`minute`.
constexpr sys_seconds kHour{seconds{1692932400}};

ReadingContext Decoded(const char* station, int minute, const std::string& line,
                       const Clock& clock) {
    const std::string mm = minute < 10 ? "0" + std::to_string(minute) : std::to_string(minute);
    ReadingTracker tracker(clock);
    tracker.RecordDecoded({std::string("SOMEWHERE, XX (") + station + ")",
                           minute < 0 ? "no time" : "Aug 25, 2023 / 2023.08.25 03" + mm + " UTC",
                           line});
    return tracker.Context();
}

// One bell through a run of reports, each heard `age` after its observation: it rings once per
// station and observation time, only for news, for thunder or a fall of 3.5 hPa or more.
TEST(StormBellTest, RingsOnlyForAFreshUnheardStorm) {
    const std::string thunder = "Weather: thunder in the vicinity:0";
    const std::string fall = "Pressure tendency: 0.10 inches (3.5 hPa) lower than three hours ago";
    const std::string none = "no thunder, lightning or sharp pressure fall";
    const std::string heard = "Thunder or lightning: thunder in the vicinity";
    const struct {
        const char* station;
        int minute;
        std::string line;
        bool ring;
        std::string why;
        seconds age = minutes(10);
        bool restart = false; // the program started again before this report
        std::optional<double> history = std::nullopt;
        bool enabled = true;
    } cases[] = {
        {"KFNT", 53, thunder, true, heard},
        {"KFNT", 53, thunder, false, "a repeated report"},
        {"KFNT", 53, thunder, false, "a repeated report", minutes(10), true},
        // A report going back in time is no news, even after a restart.
        {"KFNT", 40, thunder, false, "a repeated report", minutes(10), true},
        {"KBFI", 53, thunder, true, heard},
        {"KBFI", 54, "Weather: Lightning observed", true,
         "Thunder or lightning: Lightning observed"},
        {"KBFI", 55, "Weather: light rain", false, none},
        {"KBFI", 56, fall, true, "Pressure falling 3.5 hPa in 3 hours"},
        {"KBFI", 57, std::string(fall).replace(fall.find("3.5"), 3, "3.4"), false, none},
        {"KBFI", 58, std::string(fall).replace(fall.find("lower"), 5, "higher"), false, none},
        {"KCLE", 50, "Weather: mist", true, "Pressure falling 3.6 hPa in 3 hours, from the history",
         minutes(10), false, -3.6},
        // The report's own tendency comes before the history's.
        {"KCLE", 51, std::string(fall).replace(fall.find("lower"), 5, "higher"), false, none,
         minutes(10), false, -5.0},
        {"KCLE", 52, thunder, false, "storm alerts are off", minutes(10), false, {}, false},
        {"KCLE", 52, thunder, false, "a repeated report"},
        {"KCLE", -1, thunder, false, "the observation time is unknown"},
        {"KDTW", 10, thunder, true, heard, hours(2)},
        {"KDTW", 11, thunder, false, "an outdated observation", hours(2) + seconds(1)},
        {"KDTW", 12, thunder, false, "an outdated observation", days(5 * 365)},
    };
    testing::MemorySettingsStore store;
    std::optional<StormBell> bell(store);
    testing::FixedClock clock(kHour);
    for (const auto& c : cases) {
        if (c.restart)
            bell.emplace(store);
        clock.Set(kHour + minutes(std::max(c.minute, 0)) + c.age);
        const StormCall call =
            bell->Decide(Decoded(c.station, c.minute, c.line, clock), c.enabled, clock, c.history);
        EXPECT_EQ(call.Ring, c.ring) << c.station << c.minute;
        EXPECT_EQ(call.Why, c.why) << c.station << c.minute;
        EXPECT_EQ(call.Problem, "") << c.station << c.minute;
    }
}

// The notification tells where, what and when: the place and identifier, the observation's date
// (with its year when it is not this year's) and its age. A decision the store cannot keep still
// rings, and says that it may ring again after a restart.
TEST(StormBellTest, NotificationNamesThePlaceTheDateAndTheAge) {
    const struct {
        const char* timeLine;
        sys_seconds now;
        const char* when;
        bool storeFails = false;
    } cases[] = {
        {"Aug 25, 2023 / 2023.08.25 0305 UTC", kHour + minutes(30),
         "Observed Aug 25, 03:05, 25 minutes ago"},
        {"Dec 31, 2023 / 2023.12.31 2330 UTC", sys_days{2024y / 1 / 1} + minutes(10),
         "Observed Dec 31, 2023, 23:30, 40 minutes ago"},
        {"Aug 25, 2023 / 2023.08.25 0305 UTC", kHour + minutes(30),
         "Observed Aug 25, 03:05, 25 minutes ago", true},
    };
    for (const auto& c : cases) {
        testing::MemorySettingsStore store;
        store.FailCommit = c.storeFails;
        StormBell bell(store);
        const testing::FixedClock clock(c.now);
        ReadingTracker tracker(clock);
        tracker.RecordDecoded({"FLINT BISHOP INTERNATIONAL  AIRPORT, MI, United States (KFNT) "
                               "42-58N 83-45W 233M",
                               c.timeLine, "Weather: thunder in the vicinity:0"});
        const StormCall call = bell.Decide(tracker.Context(), true, clock);
        EXPECT_TRUE(call.Ring) << c.when;
        EXPECT_EQ(call.Title, "Storm warning — KFNT");
        EXPECT_EQ(call.Body, "Thunder or lightning: thunder in the vicinity\n"
                             "FLINT BISHOP INTERNATIONAL  AIRPORT, MI, United States (KFNT)\n" +
                                 std::string(c.when));
        EXPECT_EQ(call.Problem, c.storeFails ? "this alert may be repeated after a restart: "
                                               "Failed to set data for 'StormBellDecided'"
                                             : "");
    }
}

} // namespace
} // namespace stormbell
