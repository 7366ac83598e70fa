#include <cerrno>

#include <gtest/gtest.h>

#include "app/CycleFailure.h"
#include "net/TcpIpErrors.h"

namespace stormbell {
namespace {

// A connection that fails is told by host, port and the system's reason in words; a code of 0
// stands for a host that does not resolve.
TEST(CycleFailureTest, AFailedConnectionNamesHostPortAndReason) {
    const struct {
        const char* host;
        std::optional<int> proxyPort;
        int code;
        const char* message;
    } cases[] = {
        {"127.0.0.1", 2121, ECONNREFUSED, "127.0.0.1 port 2121: connection refused"},
        {"reports.example", {}, ETIMEDOUT, "reports.example port 21: timed out"},
        {"https://reports.example:8443",
         {},
         EHOSTUNREACH,
         "reports.example port 8443: no route to host"},
        {"https://reports.example",
         {},
         ENETUNREACH,
         "reports.example port 443: network unreachable"},
        {"ftp://nowhere.invalid/", {}, 0, "nowhere.invalid port 21: host not found"},
        {"reports.example", {}, 9999, "reports.example port 21: socket error 9999"},
    };
    for (const auto& c : cases) {
        const CyclePlace place{c.host, "reports", "KJLN.TXT", c.proxyPort};
        const CycleOutcome outcome =
            c.code == 0 ? FailedCycle(CycleStep::Login, place, EHostNotFound("no such host"))
                        : FailedCycle(CycleStep::Login, place, ESocketError(c.code));
        EXPECT_EQ(outcome.FailedAt, CycleStep::Connect) << c.message;
        EXPECT_EQ(outcome.Message, std::string("Could not connect to ") + c.message);
    }
}

} // namespace
} // namespace stormbell
