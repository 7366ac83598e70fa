// The tooltip's way out for a network that blocks FTP.
#include <gtest/gtest.h>

#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"
#include "observation/GaugeDescription.h"
#include "observation/ReadingTracker.h"
#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;

constexpr const char* kHint =
    "A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.";

TEST(FtpBlockedHint, FollowsTheFailureWarningAfterAConnectionToTheServiceCouldNotBeMade) {
    const testing::FixedClock clock(sys_seconds{seconds{1366866000}});
    ReadingTracker tracker(clock);
    struct NoBox final : ReportBox {
        void LoadReport(const std::string&) override {}
        std::vector<std::string> Lines() const override { return {}; }
    } box;
    struct Case {
        const char* host;
        std::exception_ptr error;
        bool hinted;
    } cases[] = {
        {"tgftp.nws.noaa.gov", std::make_exception_ptr(ESocketError(111)), true},
        {"tgftp.nws.noaa.gov", std::make_exception_ptr(ETcpIpError("Couldn't resolve")), false},
        {"https://tgftp.nws.noaa.gov", std::make_exception_ptr(ESocketError(111)), false},
    };
    for (const auto& c : cases) {
        tracker.RecordCycle([] { return false; }, box);
        tracker.SetFtpBlocked(FtpConnectionFailed(c.host, c.error, "tgftp.nws.noaa.gov"));
        const std::string text =
            DescribeGauge(FreshStoreObservation(), 50, tracker.Context(), clock);
        EXPECT_EQ(text.rfind(std::string("The last update failed; these values are from an "
                                         "earlier reading.\n") +
                                 (c.hinted ? std::string(kHint) + "\n" : ""),
                             0),
                  0u)
            << c.host << ":\n"
            << text;
        EXPECT_EQ(text.find(kHint) != std::string::npos, c.hinted) << c.host;
    }
}

} // namespace
} // namespace stormbell
