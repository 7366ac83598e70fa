#include "platform/SessionBus.h"

#include <chrono>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/FakeBusServer.h"

namespace stormbell {
namespace {

using testing::FakeBusServer;
using Kind = BusEndpoint::Kind;

TEST(SessionBusTest, AddressNamesItsPlacesInOrder) {
    struct Case {
        const char* address;
        std::vector<BusEndpoint> expected;
    } cases[] = {
        {"unix:path=/run/user/1000/bus", {{Kind::Path, "/run/user/1000/bus", 0}}},
        {"unix:abstract=/tmp/dbus-x,guid=0f", {{Kind::Abstract, "/tmp/dbus-x", 0}}},
        {"unix:path=/tmp/a%20b%2cc", {{Kind::Path, "/tmp/a b,c", 0}}},
        {"tcp:host=127.0.0.1,port=5555,family=ipv4", {{Kind::Tcp, "127.0.0.1", 5555}}},
        {"tcp:port=7", {{Kind::Tcp, "localhost", 7}}},
        {"autolaunch:;unix:path=/b;tcp:host=h,port=9",
         {{Kind::Path, "/b", 0}, {Kind::Tcp, "h", 9}}},
        // Not well formed: left out, never guessed at.
        {"unix:path=/a%2", {}},
        {"unix:path=/a%zz", {}},
        {"unix:path", {}},
        {"unix:path=", {}},
        {"tcp:host=h,port=65536", {}},
        {"tcp:host=h,port=0", {}},
        {"tcp:host=h,port=12x", {}},
        {"tcp:host=h", {}},
        {"", {}},
        {";;", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BusEndpoints(c.address), c.expected) << c.address;
}

TEST(SessionBusTest, ProbeTellsASilentBusWithinItsLimit) {
    using namespace std::chrono;
    constexpr milliseconds kLimit{300};
    const std::string refused = [] {
        const FakeBusServer gone(FakeBusServer::Manner::Answers);
        return gone.Address();
    }();
    const FakeBusServer answers(FakeBusServer::Manner::Answers);
    const FakeBusServer silent(FakeBusServer::Manner::Silent);
    struct Case {
        std::string address;
        BusAnswer expected;
    } cases[] = {
        {answers.Address(), BusAnswer::Answered},
        {silent.Address(), BusAnswer::Silent},
        {refused, BusAnswer::Refused},
        {"unix:path=/nonexistent/stormbell-bus", BusAnswer::Refused},
        {"autolaunch:", BusAnswer::Refused},
        {"", BusAnswer::Refused},
        // As a client does: the first place that takes the connection is the bus.
        {refused + ";" + answers.Address(), BusAnswer::Answered},
        {"unix:path=/nonexistent/stormbell-bus;" + silent.Address(), BusAnswer::Silent},
        {silent.Address() + ";" + answers.Address(), BusAnswer::Silent},
    };
    for (const auto& c : cases) {
        const auto start = steady_clock::now();
        EXPECT_EQ(ProbeBus(c.address, kLimit), c.expected) << c.address;
        EXPECT_LT(steady_clock::now() - start, kLimit + milliseconds(500)) << c.address;
    }
}

} // namespace
} // namespace stormbell
