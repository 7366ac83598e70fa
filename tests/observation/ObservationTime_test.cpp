#include "observation/ObservationTime.h"

#include <string>

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/observation/TempDir.h"

namespace stormbell {
namespace {

using namespace std::chrono;

sys_seconds At(int y, unsigned m, unsigned d, int h, int min) {
    return sys_days(year(y) / month(m) / day(d)) + hours(h) + minutes(min);
}

TEST(ObservationTimeTest, ReadsTheUtcTimeOfEverySampleReport) {
    struct Case {
        const char* file;
        std::optional<sys_seconds> time;
    } cases[] = {
        {"CYVR.TXT", At(2013, 4, 25, 5, 0)},
        {"EGLC.TXT", At(2024, 4, 18, 19, 20)},
        {"KARB.TXT", At(2018, 2, 11, 23, 53)},
        {"KBFI.TXT", At(2023, 8, 25, 3, 53)},
        {"KFNT.TXT", At(2021, 8, 12, 3, 21)},
        {"KYIP.TXT", At(2021, 8, 22, 19, 53)},
        {"edge/PRES1DEC.TXT", At(2026, 12, 7, 18, 0)},
        {"edge/BADWIND.TXT", std::nullopt}, // its second line is the wind
    };
    for (const auto& c : cases) {
        const auto lines = SplitReportLines(
            testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR) + "/reports/" + c.file));
        ASSERT_GE(lines.size(), 2u) << c.file;
        EXPECT_EQ(ParseObservationTime(lines[1]), c.time) << c.file;
    }
}

TEST(ObservationTimeTest, AMalformedLineGivesNoTime) {
    for (const char* line : {
             "",
             "Apr 25, 2013 - 01:00 AM EDT",
             "Apr 25, 2013 - 01:00 AM EDT / 2013.04.25 0500",
             "Apr 25, 2013 - 01:00 AM EDT / 2013.04.25 0500 GMT",
             "Apr 25, 2013 - 01:00 AM EDT / 2013-04-25 0500 UTC",
             "Apr 25, 2013 - 01:00 AM EDT / 2013.04.25 05:00 UTC",
             "Apr 25, 2013 - 01:00 AM EDT / 2013.4.25 0500 UTC",
             "Apr 25, 2013 - 01:00 AM EDT / 2013.04.25 0500 UTC extra",
             "Apr 25, 2013 - 01:00 AM EDT / +013.04.25 0500 UTC",
             "Feb 30, 2013 / 2013.02.30 0500 UTC",
             "Apr 25, 2013 / 2013.13.25 0500 UTC",
             "Apr 25, 2013 / 2013.04.25 2400 UTC",
             "Apr 25, 2013 / 2013.04.25 0560 UTC",
             "2013.04.25 0500 UTC",
         })
        EXPECT_FALSE(ParseObservationTime(line)) << line;
}

TEST(ObservationTimeTest, TheLastSeparatorCountsAndLeapDaysAreReal) {
    EXPECT_EQ(ParseObservationTime("a / b / 2024.02.29 2359 UTC"), At(2024, 2, 29, 23, 59));
}

} // namespace
} // namespace stormbell
