#include "settings/PrintHeading.h"

#include <gtest/gtest.h>

#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

TEST(PrintHeadingTest, NamesStationObservationAndPrintingTimeOrSaysWhatIsUnknown) {
    const testing::FixedClock clock(std::chrono::sys_days{std::chrono::December / 8 / 2026} +
                                    std::chrono::hours(10) + std::chrono::minutes(15));
    const struct {
        std::vector<std::string> report;
        const char* heading;
    } cases[] = {
        {{"SEATTLE BOEING FIELD, WA, United States (KBFI) 47-33N 122-19W 4M",
          "Aug 24, 2023 - 11:53 PM EDT / 2023.08.25 0353 UTC", "Wind: Calm:0"},
         "SEATTLE BOEING FIELD, WA, United States (KBFI) — observed Aug 25, 2023 03:53 — "
         "printed Dec 8, 2026 10:15"},
        {{"KJLN", "Wind: calm"},
         "Unknown station — observation time unknown — printed Dec 8, 2026 10:15"},
        {{}, "Unknown station — observation time unknown — printed Dec 8, 2026 10:15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintHeading(c.report, clock), c.heading);
}

} // namespace
} // namespace stormbell
