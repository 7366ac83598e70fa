#include "GaugeFixture.h"

#include "tests/net/FakeFtpServer.h"
#include "tests/net/PyFtpServer.h"
#include "tests/support/ProxyPort.h"
#include "tests/support/SmallFilesystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitUntil.h"

#include "app/qt/GaugeHistory.h"
#include "observation/ReportLines.h"
#include "platform/Files.h"
#include "settings/qt/SpinEdit.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

namespace stormbell::testing {
namespace {

constexpr const char* kStation = "EGLC.TXT";

class WindowCycleTest : public GaugeFixture {
protected:
    // The test runs in an empty current directory, where the log goes.
    WindowCycleTest() { std::filesystem::current_path(cwd.Path()); }
    // The program's client holds its connection until the program goes, and a server waits
    // for that before it ends.
    ~WindowCycleTest() override {
        program.reset();
        std::filesystem::current_path(previousDir);
    }

    void PointAt(std::uint16_t port) {
        store.Values["Host"] = "127.0.0.1";
        store.Values["UseProxy"] = "true";
        store.Values["FTPPortNum"] = std::to_string(port);
        store.Values["OCityStr"] = kStation;
    }
    /// Starts the program pointed at a new pyftpdlib server.
    GaugeWindow& StartOnServer() {
        PointAt(pyftpd.emplace(FreeProxyPort()).Port());
        return Start();
    }
    /// Starts the program pointed at a server that accepts and never answers.
    GaugeWindow& StartOnSilentServer() {
        PointAt(
            silent.emplace([](FakeFtpSession& s) { s.WaitForClose(); }, FreeProxyPort()).Port());
        return Start();
    }
    TempDir cwd;
    const std::filesystem::path previousDir = std::filesystem::current_path();
    std::optional<PyFtpServer> pyftpd;
    std::optional<FakeFtpServer> silent;
};

// Run by blocked_ftp_test.sh with the service's host mapped to this machine: a refused
// connection to the service's FTP server, as a network that blocks FTP gives, points to HTTPS.
TEST_F(WindowCycleTest, RefusedConnectionToTheServicesFtpServerPointsToHttps) {
    if (qEnvironmentVariableIsEmpty("STORMBELL_SERVICE_HOST_IS_LOCAL"))
        GTEST_SKIP() << "needs the service's host mapped to 127.0.0.1 (blocked_ftp_test.sh)";
    store.Values["UseProxy"] = "true";
    store.Values["FTPPortNum"] = std::to_string(FreeProxyPort()); // nothing listens there
    GaugeWindow& w = Start();
    Click(w, "updateBar");
    const std::string hint = "A network that blocks FTP can use https://tgftp.nws.noaa.gov";
    EXPECT_NE(Described(w).find(hint), std::string::npos) << Described(w);
    EXPECT_NE(Hover(Child(w, "englishSkin")).find(hint), std::string::npos);
}

TEST_F(WindowCycleTest, FetchShowsDecodesLogsSweepsAndTellsTheReadingWithItsAge) {
    store.Values["LogIt"] = "true";
    GaugeWindow& w = StartOnServer();
    Watcher watch(w);
    const QImage before = Child(w, "englishSkin").grab().toImage();

    Click(w, "updateBar");

    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(watch.titles, (std::vector<std::string>{"Accessing data", "Completed"}));
    ASSERT_FALSE(watch.green.empty());
    EXPECT_NE(std::find(watch.green.begin(), watch.green.end(), 0x8800u), watch.green.end());
    EXPECT_EQ(watch.green.back(), 0x4000u);
    EXPECT_EQ(Brush(w, "redLamp"), 0x40u);
    const std::string report = ReadFile(pyftpd->Root() / ReportDirectory / kStation);
    EXPECT_EQ(ReportBoxText().toStdString() + "\n", report);
    const Observation& o = program->observation;
    EXPECT_EQ(std::tie(o.Shown.TemperatureF, o.Shown.HumidityPercent, o.Shown.PressureInHg,
                       o.Shown.WindDirection, o.Shown.WindSpeedKnots),
              std::make_tuple(51, 53, 30.12, WindDirection{250, false}, 14));
    EXPECT_GT(watch.skinPaints, 50); // one per sweep frame
    EXPECT_NE(Child(w, "englishSkin").grab().toImage(), before);
    EXPECT_NE(ReadFile(cwd.Path() / "METAR.LOG").find("(EGLC)"), std::string::npos);

    // The window tells the reading it shows, with its age; the description's own tests hold
    // its every line.
    const std::string fetched = "Observed 19:20, 23 minutes ago\n"
                                "Fetched 19:43\n"
                                "Temperature 51 °F (11 °C)\n";
    EXPECT_EQ(Described(w).rfind("London City Airport, United Kingdom (EGLC)\n", 0), 0u)
        << Described(w);
    EXPECT_NE(Described(w).find(fetched), std::string::npos) << Described(w);
    EXPECT_NE(Hover(Child(w, "englishSkin")).find(fetched), std::string::npos);
    clock.Set(clock.Now() + std::chrono::hours(3));
    EXPECT_NE(Hover(Child(w, "englishSkin"))
                  .find("Outdated: this observation is 3 hours 23 minutes old.\nLondon City"),
              std::string::npos);

    // Markup in the report shows as text.
    std::ofstream(pyftpd->Root() / ReportDirectory / kStation, std::ios::binary)
        << "<b>Bold</b> Town (EGLC)" << report.substr(report.find('\n'));
    Click(w, "updateBar");
    EXPECT_NE(Hover(Child(w, "englishSkin")).find("&lt;b&gt;Bold&lt;/b&gt; Town (EGLC)\n"),
              std::string::npos);
}

// A report that came whole stands whatever fails beside it: a log that cannot be written is named,
// and told in a box only for an update asked for, once the reading is shown; a logout is only
// named, and a server silent after QUIT is not waited out. No box holds the timer's cycle.
TEST_F(WindowCycleTest, ASideStepThatFailsKeepsTheReading) {
    const std::string report =
        ReadFile(std::filesystem::path(STORMBELL_TEST_DATA_DIR) / "reports" / kStation);
    const std::string logout = "Logging out of 127.0.0.1 failed after EGLC.TXT was fetched: ";
    const std::string noSpace = "Cannot write METAR.TMP: No space left on device";
    const auto goodbye = [](FakeFtpSession& s) { s.Answer("221 Goodbye"); };
    SmallFilesystem disk;
    const struct {
        std::function<void(FakeFtpSession&)> quit;
        bool fullDisk;
        bool byTimer;
        std::string named;
    } cases[] = {
        {goodbye, true, false, "The report was not logged: " + noSpace},
        {goodbye, true, true, "The report was not logged: " + noSpace},
        {[](FakeFtpSession& s) { s.ReadCommand(), s.WaitForClose(); }, false, false, logout},
        {[](FakeFtpSession& s) { s.Answer("500 Not now"), s.WaitForClose(); }, false, false,
         logout + "\"500 Not now\""},
    };
    std::vector<std::string> describedWhenTold;
    QtMessageSink::SetTestHook([&](const std::string& text) {
        messages.push_back(text);
        describedWhenTold.push_back(Described(program->window));
    });
    for (const auto& c : cases) {
        if (c.fullDisk && !disk.Mounted())
            continue;
        std::filesystem::current_path(c.fullDisk ? disk.Path() : cwd.Path());
        if (c.fullDisk)
            disk.Fill("filler");
        FakeFtpServer server(
            [&](FakeFtpSession& s) {
                s.LoginAndCwd();
                s.OpenData();
                s.SendData(report);
                s.CloseData();
                s.Reply("226 Transfer complete");
                c.quit(s);
            },
            FreeProxyPort());
        store.Values["LogIt"] = "true";
        PointAt(server.Port());
        messages.clear();
        describedWhenTold.clear();
        GaugeWindow& w = Start();
        QTimer& updateTimer = Child<QTimer>(w, "updateTimer");
        const auto start = std::chrono::steady_clock::now();
        if (c.byTimer)
            QMetaObject::invokeMethod(&updateTimer, "timeout");
        else
            Click(w, "updateBar");
        EXPECT_LT(std::chrono::steady_clock::now() - start,
                  std::chrono::milliseconds(limits.IdleTimeout / 3));
        EXPECT_EQ(program->observation.Shown.TemperatureF, 51) << c.named;
        const bool boxed = c.fullDisk && !c.byTimer;
        EXPECT_EQ(messages, boxed ? std::vector{noSpace} : std::vector<std::string>{}) << c.named;
        // The box comes once the reading is shown and described.
        for (const auto& described : describedWhenTold)
            EXPECT_NE(described.find("Temperature 51 °F"), std::string::npos) << described;
        EXPECT_NE(Described(w).find(c.named), std::string::npos) << Described(w);
        EXPECT_TRUE(updateTimer.isActive()) << c.named;
        EXPECT_EQ(w.CycleState(), SessionState::Idle) << c.named;
        EXPECT_NE(w.windowTitle(), "Accessing data") << c.named;
        program.reset();
    }
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
}

// A failed cycle shows no box: a timer would stack one a minute. The red lamp and the title
// tell that it failed, the description why, first, until the next cycle; the face, its station
// line for a screen reader and the tooltip name the station that failed, and the old reading
// stays titled with its own. The report box never shows one station's report under another's
// name. An oversized report is refused while it downloads.
TEST_F(WindowCycleTest, RefusedOrOversizedStationFileLightsTheRedLampAndKeepsTheReading) {
    GaugeWindow& w = StartOnServer();
    Click(w, "updateBar");
    const QString kept = ReportBoxText();
    const auto directory = pyftpd->Root() / ReportDirectory;
    std::ofstream(directory / "HUGE.TXT", std::ios::binary)
        << std::string(2 * kMaxReportBytes, '\n');
    const std::string notFound = "was not found in data/observations/metar/decoded on 127.0.0.1: "
                                 "\"550 No such file or directory.\"\n";
    const std::string shown = "London City Airport, United Kingdom (EGLC)\n";
    const struct {
        const char* station;
        bool present; // the station's file is on the server
        const char* line;
        std::string described;
        bool keptBox;
    } cases[] = {
        {"ZZZZ.TXT", true, "ZZZZ update failed",
         "The update of ZZZZ failed; these values are from an earlier reading of EGLC.\nZZZZ.TXT " +
             notFound + shown,
         false},
        {"HUGE.TXT", true, "HUGE update failed",
         "The update of HUGE failed; these values are from an earlier reading of EGLC.\nHUGE.TXT "
         "could not be fetched from data/observations/metar/decoded on 127.0.0.1: Download "
         "larger than the limit",
         false},
        {kStation, false, "EGLC update failed",
         "The last update failed; these values are from an earlier reading.\nEGLC.TXT " + notFound +
             shown,
         true},
    };
    for (const auto& c : cases) {
        if (!c.present)
            std::filesystem::rename(directory / c.station, directory / "hidden");
        program->settings.StationFile = c.station;
        Click(w, "updateBar");
        if (!c.present)
            std::filesystem::rename(directory / "hidden", directory / c.station);

        EXPECT_TRUE(messages.empty()) << messages.front();
        EXPECT_EQ(ReportBoxText(), c.keptBox ? kept : QString()) << c.station;
        EXPECT_EQ(w.windowTitle(), "Update failed");
        EXPECT_EQ(Brush(w, "greenLamp"), 0x4000u);
        EXPECT_EQ(Brush(w, "redLamp"), 0x88u);
        EXPECT_EQ(Child(w, "stationLine").accessibleName().toStdString(), c.line);
        EXPECT_EQ(Described(w).rfind(c.described, 0), 0u) << Described(w);
        EXPECT_FALSE(std::filesystem::exists(cwd.Path() / "METAR.LOG"));
    }

    program->settings.StationFile = kStation;
    Click(w, "updateBar");
    EXPECT_EQ(w.windowTitle(), "Completed");
    EXPECT_EQ(Described(w).rfind("London City", 0), 0u) << Described(w);
    EXPECT_EQ(Child(w, "stationLine").accessibleName(), "EGLC 19:20");
}

TEST_F(WindowCycleTest, StalledServerEndsInTheRedLamp) {
    limits.IdleTimeout = 200;
    GaugeWindow& w = StartOnSilentServer();
    Click(w, "updateBar");
    EXPECT_EQ(Brush(w, "redLamp"), 0x88u);
    EXPECT_EQ(Brush(w, "greenLamp"), 0x4000u);
    EXPECT_EQ(w.windowTitle(), "Update failed");
    EXPECT_TRUE(messages.empty());
}

// Against a server that accepts and never answers, the client's time-outs are far beyond this.
constexpr long long kPrompt = 3000;

TEST_F(WindowCycleTest, WindowStaysLiveAndIgnoresASecondStart) {
    int paints = 0;
    int titles = 0;
    QPoint moved;
    RunCycleWhile(StartOnSilentServer(), [&](GaugeWindow& w) {
        Watcher watch(w);
        Child(w, "englishSkin").update();
        QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, {100, 50});
        QTest::mouseMove(w.windowHandle(), {130, 60});
        QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, {100, 50}); // where it moved
        moved = w.pos();
        Click(w, "updateBar");
        QTest::qWait(50);
        paints = watch.skinPaints;
        titles = static_cast<int>(watch.titles.size());
        w.close();
    });
    EXPECT_EQ(moved, QPoint(243, 112));
    EXPECT_GT(paints, 0);
    EXPECT_EQ(titles, 0); // the second start did not begin a cycle
}

// Only the exit saves; the close lets the client go.
TEST_F(WindowCycleTest, CloseAndExitEndTheTransferPromptlyAndEndWithZero) {
    for (const bool exit : {false, true}) {
        program.reset();
        const long long took = RunCycleWhile(StartOnSilentServer(), [exit](GaugeWindow& w) {
            exit ? Click(w, "exitBar") : void(w.close());
        });
        EXPECT_LT(took, kPrompt) << exit;
        EXPECT_EQ(endCode, 0) << exit;
        EXPECT_TRUE(messages.empty()) << exit;
        EXPECT_EQ(program->window.CycleState(), exit ? SessionState::Idle : SessionState::Closed);
        EXPECT_EQ(program->window.isVisible(), exit);
        EXPECT_EQ(store.Written.empty(), !exit);
        EXPECT_EQ(store.Values["FLeft"], exit ? "213" : "");
    }
}

TEST_F(WindowCycleTest, FailedSaveAfterAnAbortedCycleLeavesTheGaugeWorking) {
    store.FailCommit = true;
    RunCycleWhile(StartOnSilentServer(), [](GaugeWindow& w) { Click(w, "exitBar"); });
    EXPECT_EQ(endCode, std::nullopt);
    EXPECT_EQ(messages, std::vector<std::string>{"Failed to set data for 'LIndex'"});
    GaugeWindow& w = program->window;
    EXPECT_EQ(Brush(w, "greenLamp"), 0x4000u); // the aborted cycle's lamp is out

    const PyFtpServer& server = pyftpd.emplace(FreeProxyPort());
    program->ftpSettings.BuildContents();
    program->ftpSettings.ProxyPortSpin->setValue(server.Port());
    Click(w, "updateBar");
    EXPECT_EQ(w.windowTitle(), "Completed");
    EXPECT_EQ(program->observation.Shown.TemperatureF, 51);
}

// Another gauge holds the log's lock: once the report is fetched, the decoder waits for it and
// `during` runs while it does.
class HeldLogLockTest : public WindowCycleTest {
protected:
    long long RunCycleWhile(const std::function<void(GaugeWindow&)>& during) {
        store.Values["LogIt"] = "true";
        EXPECT_EQ(otherGauge.TryLock(), LockResult::Held);
        return GaugeFixture::RunCycleWhile(
            StartOnServer(), during, [this] { return !program->window.FetchedReport().empty(); });
    }
    NativeFile otherGauge{cwd.Path() / "METAR.LCK", OpenMode::ReadWrite};
};

TEST_F(HeldLogLockTest, WindowHandlesEventsWhileItWaitsThenLogs) {
    int paints = 0;
    RunCycleWhile([&](GaugeWindow& w) {
        Watcher watch(w);
        Child(w, "englishSkin").update();
        QTest::qWait(50);
        paints = watch.skinPaints;
        EXPECT_FALSE(std::filesystem::exists(cwd.Path() / "METAR.LOG"));
        otherGauge.Close();
    });
    EXPECT_GT(paints, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(program->observation.Shown.TemperatureF, 51);
    EXPECT_NE(ReadFile(cwd.Path() / "METAR.LOG").find("(EGLC)"), std::string::npos);
}

TEST_F(HeldLogLockTest, ExitEndsTheWaitPromptly) {
    const long long took = RunCycleWhile([](GaugeWindow& w) { Click(w, "exitBar"); });
    EXPECT_LT(took, kLogLockWait);
    EXPECT_EQ(endCode, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(std::filesystem::exists(cwd.Path() / "METAR.LOG"));
}

// Exit while the needles glide: what is saved is the report's reading, not a frame between.
TEST_F(WindowCycleTest, ExitDuringTheSweepSavesTheDecodedReading) {
    GaugeWindow& w = StartOnServer();
    QTimer::singleShot(500, &w, [&] {
        EXPECT_EQ(w.CycleState(), SessionState::Running);
        Click(w, "exitBar");
    });
    Click(w, "updateBar");
    EXPECT_EQ(endCode, 0);
    std::map<std::string, std::string>& v = store.Values;
    EXPECT_EQ(std::tie(v["OTemp"], v["OHumd"], v["OPresInfo"], v["OWDInfo"], v["OWSInfo"]),
              std::make_tuple("51", "53", "30.12", "250", "14"));
}

// A report with thunder rings the storm bell: without a notification service the tooltip says
// it could not be shown; storm_bell_test.sh runs the second test with dunst listening.
class StormAlertTest : public WindowCycleTest {
protected:
    GaugeWindow& StartOnThunder() {
        // Twenty minutes after the thunder report was observed: news.
        clock.Set(std::chrono::sys_days{std::chrono::August / 12 / 2021} +
                  std::chrono::minutes(3 * 60 + 41));
        PointAt(pyftpd.emplace(FreeProxyPort()).Port());
        store.Values["OCityStr"] = "KFNT.TXT";
        GaugeWindow& w = Start();
        Click(w, "updateBar");
        return w;
    }
    const std::string daemonOutput = qgetenv("STORMBELL_NOTIFICATION_OUTPUT").toStdString();
};

TEST_F(StormAlertTest, WithoutANotificationServiceTheTooltipSaysSo) {
    if (!daemonOutput.empty())
        GTEST_SKIP() << "a notification daemon is listening";
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/stormbell-test-bus");
    GaugeWindow& w = StartOnThunder();
    EXPECT_TRUE(WaitUntil([&] {
        return Described(w).find("The storm alert could not be shown: ") != std::string::npos;
    }));
}

// The bell rings only for news: a fresh observation, once per station and time, even after a
// restart that lost the settings (the history remembers), and never for a report that goes back
// in time, which is not shown either. Without a notification service each ring leaves its
// failure in the tooltip.
TEST_F(StormAlertTest, RingsOnlyForAFreshObservationNeverTwice) {
    if (!daemonOutput.empty())
        GTEST_SKIP() << "a notification daemon is listening";
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/stormbell-test-bus");
    store.Values["LogIt"] = "true";
    const auto observed =
        std::chrono::sys_days{std::chrono::August / 12 / 2021} + std::chrono::minutes(3 * 60 + 21);
    const std::string older = "The service sent an older observation, of 03:11; the "
                              "newer reading stays.";
    const struct {
        const char* name;
        const char* time; // the report's observation time, UTC
        std::chrono::minutes age;
        bool restart;
        bool forgetSettings; // the restart lost what the settings remembered
        bool rings;
        const char* shown; // the shown observation's time
    } cases[] = {
        {"stale", "0321", std::chrono::hours(3), false, false, false, "03:21"},
        {"fresh", "0321", std::chrono::minutes(20), false, false, true, "03:21"},
        {"repeated", "0321", std::chrono::minutes(21), false, false, false, "03:21"},
        {"back in time", "0311", std::chrono::minutes(22), false, false, false, "03:21"},
        {"after a restart", "0321", std::chrono::minutes(23), true, false, false, "03:21"},
        {"settings lost", "0321", std::chrono::minutes(24), true, true, false, "03:21"},
        {"newer", "0331", std::chrono::minutes(25), false, false, true, "03:31"},
    };
    GaugeWindow* w = &StartOnThunder();
    const auto file = pyftpd->Root() / ReportDirectory / "KFNT.TXT";
    const std::string report = ReadFile(file);
    for (const auto& c : cases) {
        std::string sent = report;
        sent.replace(sent.find("0321 UTC"), 4, c.time);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << sent;
        clock.Set(observed + c.age);
        if (c.restart) {
            program.reset();
            if (c.forgetSettings)
                store.Values.erase("StormBellDecided");
            w = &Start();
        }
        const std::size_t before = w->History().Outcomes();
        const std::size_t claimed = w->History().Claims();
        Click(*w, "updateBar");
        ASSERT_TRUE(WaitUntil([&] { return w->History().Outcomes() > before; })) << c.name;
        if (c.forgetSettings || c.rings) {
            ASSERT_TRUE(WaitUntil([&] { return w->History().Claims() > claimed; })) << c.name;
        }
        const std::string failure = "The storm alert could not be shown";
        if (c.rings) // the notifier's failure is told from the event loop
            WaitUntil([&] { return Described(*w).find(failure) != std::string::npos; });
        QCoreApplication::processEvents();
        const std::string described = Described(*w);
        EXPECT_EQ(described.find(failure) != std::string::npos, c.rings) << c.name << ":\n"
                                                                         << described;
        EXPECT_EQ(described.find(older) != std::string::npos, c.time == std::string("0311"))
            << c.name << ":\n"
            << described;
        EXPECT_EQ(Child(*w, "stationLine").accessibleName().toStdString(),
                  std::string("KFNT ") + (c.age > std::chrono::hours(2) ? "3 h old" : c.shown))
            << c.name;
        EXPECT_EQ(w->windowTitle(), "Completed") << c.name;
    }
    // The log keeps what was received, the older report too.
    EXPECT_NE(ReadFile(cwd.Path() / "METAR.LOG").find("2021.08.12 0311 UTC"), std::string::npos);
}

TEST_F(StormAlertTest, ReachesTheDesktopsNotificationDaemon) {
    if (daemonOutput.empty())
        GTEST_SKIP() << "needs a notification daemon (storm_bell_test.sh)";
    StartOnThunder();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ReadFile(daemonOutput).find("Storm warning — KFNT") != std::string::npos; },
        kPatienceMs));
}

} // namespace
} // namespace stormbell::testing
