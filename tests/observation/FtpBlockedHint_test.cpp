// The tooltip's way out for a network that blocks FTP.
#include <gtest/gtest.h>

#include "gauges/GaugeDescription.h"
#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

TEST(FtpBlockedHint, FollowsTheFailureWarningWhenTheFtpLoginCouldNotConnect) {
    const testing::FixedClock clock(std::chrono::sys_seconds{std::chrono::seconds{1366866000}});
    const std::string failed = "The last update failed; these values are from an earlier "
                               "reading.\n";
    const std::string hint =
        "A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.\n";
    for (const bool blocked : {false, true}) {
        ReadingContext context;
        context.LastCycleFailed = true;
        context.FtpBlocked = blocked;
        const std::string text = DescribeGauge(FreshStoreObservation(), 50, context, clock);
        EXPECT_EQ(text.rfind(blocked ? failed + hint : failed, 0), 0u) << text;
        EXPECT_EQ(text.find(hint) != std::string::npos, blocked) << text;
    }
}

} // namespace
} // namespace stormbell
