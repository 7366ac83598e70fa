#include "gauges/FaceStatus.h"

#include <gtest/gtest.h>

#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;

TEST(FaceStatusTest, StationLineAndDimmingFollowTheReadingsState) {
    constexpr sys_seconds kObserved{seconds{1692935580}}; // 2023-08-25 03:53 UTC, the local zone
    auto context = [&](bool fetched, bool failed, bool timed, const char* failedFor = "") {
        ReadingContext c;
        c.FailedStation = failedFor;
        c.Header.Station = fetched ? "KBFI" : "";
        c.Header.Observed = timed ? std::optional(kObserved) : std::nullopt;
        c.LastFetch = fetched ? std::optional(kObserved) : std::nullopt;
        c.LastCycleFailed = failed;
        return c;
    };
    const struct {
        ReadingContext context;
        seconds age;
        const char* line;
        bool doubtful;
    } cases[] = {
        {context(false, false, false), {}, "no reading yet", false},
        {context(true, false, true), hours(2), "KBFI 03:53", false},
        {context(true, false, true), hours(47) + minutes(59), "KBFI 47 h old", true},
        {context(true, false, true), days(800), "KBFI 800 d old", true},
        {context(true, true, true), minutes(20), "KBFI update failed", true},
        {context(false, true, false), {}, "update failed", true},
        // A change of station whose fetch fails names the new station, not the one shown.
        {context(true, true, true, "KQQZ"), minutes(20), "KQQZ update failed", true},
        {context(false, true, false, "KQQZ"), {}, "KQQZ update failed", true},
        {context(true, false, false), {}, "KBFI time unknown", false},
    };
    for (const auto& c : cases) {
        const FaceStatus status =
            DescribeFaceStatus(c.context, testing::FixedClock(kObserved + c.age));
        EXPECT_EQ(status.StationLine, c.line);
        EXPECT_EQ(status.Doubtful, c.doubtful) << c.line;
    }
}

} // namespace
} // namespace stormbell
