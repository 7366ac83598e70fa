#include "GaugeFixture.h"

#include "app/qt/GaugeHistory.h"
#include "history/HistoryStore.h"
#include "tests/net/PyFtpServer.h"
#include "tests/support/ProxyPort.h"

#include <QKeySequence>

namespace stormbell::testing {
namespace {

using std::chrono::sys_days;

// The test report's time: 2024-04-18 19:20 UTC.
const auto kObserved =
    sys_days{std::chrono::April / 18 / 2024} + std::chrono::minutes(19 * 60 + 20);

class WindowHistoryTest : public GaugeFixture {
protected:
    // main() gave the run a data folder of its own; every test starts without a history.
    WindowHistoryTest() { std::filesystem::remove_all(file.parent_path()); }
    GaugeWindow& StartOnServer() {
        store.Values["Host"] = "127.0.0.1";
        store.Values["UseProxy"] = "true";
        store.Values["FTPPortNum"] = std::to_string(pyftpd.emplace(FreeProxyPort()).Port());
        store.Values["OCityStr"] = "EGLC.TXT";
        return Start();
    }
    /// Runs one cycle and waits for its reading to come back from the history's thread.
    void UpdateAndWait(GaugeWindow& w) {
        const std::size_t before = w.History().Outcomes();
        Click(w, "updateBar");
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.History().Outcomes() > before; }));
    }
    const std::filesystem::path file = *DefaultHistoryFile();
    std::optional<PyFtpServer> pyftpd;
};

TEST_F(WindowHistoryTest, KeepsEachReadingAndTellsTheTrendFromTheHistory) {
    HistoryReading earlier;
    earlier.Station = "EGLC";
    earlier.Observed = earlier.Received = kObserved - std::chrono::hours(3);
    earlier.PressureHpa = 1021.4;
    HistoryStore(file).Add(earlier);
    GaugeWindow& w = StartOnServer();

    UpdateAndWait(w);
    EXPECT_TRUE(w.History().LastResult().Stored);
    EXPECT_EQ(HistoryStore(file).Readings({"EGLC"}).size(), 2u);
    EXPECT_NE(Described(w).find("\nPressure falling 1.4 hPa (0.04 inHg) in 3 hours, from the "
                                "history since 16:20 UTC"),
              std::string::npos)
        << Described(w);

    QTest::keySequence(&w, QKeySequence("Ctrl+H"));
    ASSERT_NE(w.History().Window(), nullptr);
    EXPECT_TRUE(w.History().Window()->isVisible());
    // The window draws what the history's thread sends back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.History().Window()->StatusText().isEmpty(); }));
    EXPECT_EQ(w.History().Window()->StatusText().toStdString(),
              "EGLC: 2 readings in the last 24 hours");
}

TEST_F(WindowHistoryTest, TurnedOffKeepsNothing) {
    store.Values["KeepHistory"] = "false";
    GaugeWindow& w = StartOnServer();
    UpdateAndWait(w);
    EXPECT_FALSE(w.History().LastResult().Stored);
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace stormbell::testing
