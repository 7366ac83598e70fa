#include "history/PressureTrend.h"

#include <gtest/gtest.h>

#include "tests/history/HistorySample.h"

namespace stormbell {
namespace {

using testing::At;
using testing::Reading;

TEST(PressureTrendTest, TheReportsLineElseTheReadingNearestThreeHoursEarlier) {
    const long now = 600; // minutes; three hours earlier is 420
    struct Case {
        const char* what;
        std::vector<HistoryReading> earlier;
        std::optional<double> reportTendency;
        std::optional<PressureTrend> trend;
    };
    const Case cases[] = {
        {"the report's own line wins",
         {Reading("KBFI", 420, 1010)},
         -1.4,
         PressureTrend{-1.4, TrendSource::Report, std::nullopt}},
        {"exactly three hours",
         {Reading("KBFI", 420, 1010.0)},
         {},
         PressureTrend{3.2, TrendSource::History, At(420)}},
        {"the nearer of two",
         {Reading("KBFI", 395, 1000), Reading("KBFI", 430, 1012)},
         {},
         PressureTrend{1.2, TrendSource::History, At(430)}},
        {"equally near: the earlier",
         {Reading("KBFI", 430, 1012), Reading("KBFI", 410, 1011)},
         {},
         PressureTrend{2.2, TrendSource::History, At(410)}},
        {"30 minutes off still counts",
         {Reading("KBFI", 450, 1014)},
         {},
         PressureTrend{-0.8, TrendSource::History, At(450)}},
        {"31 minutes off does not", {Reading("KBFI", 389, 1010)}, {}, std::nullopt},
        {"another station's reading", {Reading("KSEA", 420, 1010)}, {}, std::nullopt},
        {"a reading without pressure", {Reading("KBFI", 420, std::nullopt)}, {}, std::nullopt},
        {"no history", {}, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        HistoryReading reading = Reading("KBFI", now, 1013.2);
        reading.TendencyHpa = c.reportTendency;
        EXPECT_EQ(TrendOf(reading, c.earlier), c.trend) << c.what;
    }
    const HistoryQuery query = TrendQuery(Reading("KBFI", now));
    EXPECT_EQ(std::make_tuple(*query.Station, *query.Since, *query.Until),
              std::make_tuple(std::string("KBFI"), At(390), At(450)));
}

} // namespace
} // namespace stormbell
