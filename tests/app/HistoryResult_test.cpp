#include "app/qt/GaugeHistory.h"

#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/FixedClock.h"

namespace stormbell::testing {
namespace {

using namespace std::chrono;

// 2024-04-18 19:00 UTC; each report is observed at 19:`minute`.
const sys_seconds kHour = sys_days{April / 18 / 2024} + hours(19);

std::vector<std::string> Report(const char* station, int minute) {
    return {std::string("SOMEWHERE, XX (") + station + ")",
            "Apr 18, 2024 / 2024.04.18 19" + std::to_string(minute) + " UTC",
            "Pressure (altimeter): 30.12 in. Hg (1020 hPa)"};
}

// A reading's outcome is kept, and told, only while that reading is shown: one that comes back
// late, after another reading took its place, is dropped and never judged with the other.
TEST(HistoryResultTest, AnOutcomeForAnotherReadingIsDropped) {
    const struct {
        const char* name;
        const char* station; // recorded: observed at 19:20
        std::optional<ReadingKey> shownWhenBack;
        bool kept;
    } cases[] = {
        {"its own reading", "KBFI", ReadingKey{"KBFI", kHour + minutes(20)}, true},
        {"another station shown meanwhile", "EGLC", ReadingKey{"KBFI", kHour + minutes(20)}, false},
        {"a newer observation shown meanwhile", "EGLC", ReadingKey{"EGLC", kHour + minutes(50)},
         false},
        {"nothing shown", "EGLC", std::nullopt, false},
    };
    const FixedClock clock(kHour + hours(1));
    std::optional<ReadingKey> shown;
    int changes = 0;
    std::string place;
    GaugeHistory history(
        std::nullopt, clock, [&] { return shown; }, [&] { ++changes; }, place);
    for (const auto& c : cases) {
        const int changesBefore = changes;
        const std::size_t before = history.Outcomes();
        const ReadingKey recorded{c.station, kHour + minutes(20)};
        shown = recorded;
        history.Record(Report(c.station, 20), false);
        // The outcome waits for the event loop: the reading shown when it comes back is this one.
        shown = c.shownWhenBack;
        ASSERT_TRUE(QTest::qWaitFor([&] { return history.Outcomes() > before; })) << c.name;
        EXPECT_EQ(changes - changesBefore, c.kept ? 1 : 0) << c.name;
        EXPECT_EQ(history.LastKey(), std::optional(ReadingKey{"KBFI", kHour + minutes(20)}))
            << c.name;
    }
}

} // namespace
} // namespace stormbell::testing
