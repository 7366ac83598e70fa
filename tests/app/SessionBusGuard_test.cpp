#include "GaugeFixture.h"

#include "app/qt/SessionBusGuard.h"
#include "tests/support/FakeBusServer.h"

#include <QtGlobal>

#include <chrono>
#include <optional>

namespace stormbell::testing {
namespace {

// The process's environment as the test found it, given back afterwards.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            value_ = qgetenv(name);
    }
    ~SavedVariable() {
        if (value_)
            qputenv(name_, *value_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QByteArray> value_;
};

class SessionBusGuardTest : public GaugeFixture {
protected:
    SavedVariable address_{"DBUS_SESSION_BUS_ADDRESS"};
    SavedVariable alwaysOn_{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"};
};

// The last rows leave the bus in use, as every other test expects it.
TEST_F(SessionBusGuardTest, OnlyASilentBusIsLeftAndTheTooltipSaysSo) {
    using namespace std::chrono;
    const FakeBusServer silent(FakeBusServer::Manner::Silent);
    const FakeBusServer answers(FakeBusServer::Manner::Answers);
    const std::string refused = [] {
        const FakeBusServer gone(FakeBusServer::Manner::Answers);
        return gone.Address();
    }();
    const struct Case {
        std::string address;
        bool skipped;
    } cases[] = {
        {silent.Address(), true},
        {answers.Address(), false},
        {refused, false},
    };
    for (const auto& c : cases) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(c.address));
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        const auto start = steady_clock::now();
        GuardSessionBus(milliseconds(300));
        EXPECT_LT(steady_clock::now() - start, milliseconds(1500)) << c.address;
        EXPECT_EQ(SessionBusSkipped(), c.skipped) << c.address;
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS") == c.address.c_str(), !c.skipped)
            << c.address;
        EXPECT_EQ(qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), !c.skipped)
            << c.address;
        GaugeWindow& w = Start();
        w.UpdateNow();
        EXPECT_EQ(Described(w).find(SessionBusNote()) != std::string::npos, c.skipped)
            << c.address << ": " << Described(w);
    }
}

} // namespace
} // namespace stormbell::testing
