#include "gauges/FaceStatus.h"

#include <gtest/gtest.h>

#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;

// 2023-08-25 03:53:00 UTC; the local zone of these tests is UTC.
constexpr sys_seconds kObserved{seconds{1692935580}};

TEST(FaceStatusTest, StationLineAndDimmingFollowTheReadingsState) {
    ReadingContext fresh;
    fresh.StationIdentifier = "KBFI";
    fresh.Observed = kObserved;
    fresh.LastFetch = kObserved + minutes(5);
    ReadingContext failed = fresh;
    failed.LastCycleFailed = true;
    ReadingContext failedFirst;
    failedFirst.LastCycleFailed = true;
    ReadingContext untimed = fresh;
    untimed.Observed.reset();
    struct Case {
        ReadingContext context;
        seconds age;
        std::string line;
        bool doubtful;
    } cases[] = {
        {{}, minutes(0), "no reading yet", false},
        {fresh, minutes(20), "KBFI 03:53", false},
        {fresh, hours(2), "KBFI 03:53", false},
        {fresh, hours(3) + minutes(10), "KBFI 3 h old", true},
        {fresh, hours(47) + minutes(59), "KBFI 47 h old", true},
        {fresh, days(800), "KBFI 800 d old", true},
        {failed, minutes(20), "KBFI update failed", true},
        {failedFirst, minutes(20), "update failed", true},
        {untimed, minutes(20), "KBFI time unknown", false},
    };
    for (const Case& c : cases) {
        const FaceStatus status =
            DescribeFaceStatus(c.context, testing::FixedClock(kObserved + c.age));
        EXPECT_EQ(status.StationLine, c.line);
        EXPECT_EQ(status.Doubtful, c.doubtful) << c.line;
    }
}

} // namespace
} // namespace stormbell
