#include <cerrno>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/CycleFailure.h"
#include "net/TcpIpErrors.h"

namespace stormbell {
namespace {

// A connection that fails is told by host, port and the system's reason in words.
TEST(CycleFailureTest, AFailedConnectionNamesHostPortAndReason) {
    struct Case {
        std::string host;
        std::optional<int> proxyPort;
        std::function<void()> fail;
        std::string message;
    } cases[] = {
        {"127.0.0.1", 2121, [] { throw ESocketError(ECONNREFUSED); },
         "Could not connect to 127.0.0.1 port 2121: connection refused"},
        {"reports.example",
         {},
         [] { throw ESocketError(ETIMEDOUT); },
         "Could not connect to reports.example port 21: timed out"},
        {"https://reports.example:8443",
         {},
         [] { throw ESocketError(EHOSTUNREACH); },
         "Could not connect to reports.example port 8443: no route to host"},
        {"https://reports.example",
         {},
         [] { throw ESocketError(ENETUNREACH); },
         "Could not connect to reports.example port 443: network unreachable"},
        {"ftp://nowhere.invalid/",
         {},
         [] { throw EHostNotFound("Couldn't resolve hostname nowhere.invalid"); },
         "Could not connect to nowhere.invalid port 21: host not found"},
        {"reports.example",
         {},
         [] { throw ESocketError(9999); },
         "Could not connect to reports.example port 21: socket error 9999"},
    };
    for (const Case& c : cases) {
        try {
            c.fail();
        } catch (const std::exception& error) {
            const CycleOutcome outcome =
                FailedCycle(CycleStep::Login, {c.host, "reports", "KJLN.TXT", c.proxyPort}, error);
            EXPECT_EQ(outcome.FailedAt, CycleStep::Connect) << c.message;
            EXPECT_EQ(outcome.Message, c.message);
        }
    }
}

} // namespace
} // namespace stormbell
