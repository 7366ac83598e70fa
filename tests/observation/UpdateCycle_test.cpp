#include "observation/UpdateCycle.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/FtpReportClient.h"
#include "net/TcpIpErrors.h"
#include "observation/ReportLines.h"
#include "tests/net/FakeFtpServer.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Journal = std::vector<std::string>;

// The window's side of the cycle in one fake: lamps, title, report box and a runner. Every
// call goes into one journal, so the order is checked too. Blocking operation N (1-based)
// throws what `fail` throws; the others are skipped unless `runOperations`, so that the client
// reaches no server and Download leaves what Serve put into its stream.
struct Rig final : Lamps, StatusLine, ReportBox, BlockingRunner {
    explicit Rig(int failAt = 0, std::function<void()> fail = {})
        : failAt(failAt), fail(std::move(fail)),
          cycle(ftp, *this, *this, *this, *this,
                [this](const std::vector<std::string>& lines, bool logIt) {
                    journal.push_back(logIt ? "breakOut logging" : "breakOut");
                    decoded = lines;
                    if (breakOutFails)
                        throw std::runtime_error("'five' is not a valid floating point value");
                }) {}
    void SetLampState(LampState state) override {
        static const char* const names[] = {"Idle", "Busy", "Failed", "Fetched"};
        journal.push_back(names[static_cast<int>(state)]);
    }
    void SetStatus(const std::string& text) override { journal.push_back("title " + text); }
    void LoadReport(const std::string& bytes) override {
        journal.push_back("box");
        lines = SplitReportLines(bytes);
    }
    std::vector<std::string> Lines() const override { return lines; }
    void Run(const std::function<void()>& operation) override {
        journal.push_back("run");
        if (++runs == failAt)
            fail();
        if (runOperations)
            operation();
    }
    void Serve(const std::string& report) {
        client.Stream().Write(report.data(), report.size());
        client.Stream().Seek(0);
    }

    Journal journal;
    std::vector<std::string> lines = {"previous report"};
    std::vector<std::string> decoded;
    int runs = 0;
    int failAt;
    std::function<void()> fail;
    bool runOperations = false;
    bool breakOutFails = false;
    TFTP client;
    FtpReportClient ftp{client};
    UpdateCycle cycle;
};

CycleSettings Kjln() {
    CycleSettings settings;
    settings.Host = "reports.example";
    settings.Direct1 = "data/observations/metar/decoded";
    settings.OCityStr = "KJLN.TXT";
    return settings;
}

const Journal kFetched = {
    "Busy", "title Accessing data", "run", "run", "run", "box", "run", "Fetched", "breakOut"};

TEST(UpdateCycleTest, FetchesShowsLogsOutAndDecodesInThatOrder) {
    Rig rig;
    rig.Serve("Station (KJLN)\r\nWind: Calm:0\r\n");
    CycleSettings settings = Kjln();
    settings.LogIt = true;
    EXPECT_TRUE(rig.cycle.Button1Click(settings));
    Journal expected = kFetched;
    expected.back() = "breakOut logging";
    EXPECT_EQ(rig.journal, expected);
    EXPECT_THAT(rig.decoded, ElementsAre("Station (KJLN)", "Wind: Calm:0"));
    EXPECT_EQ(rig.client.URI, "KJLN.TXT");
    EXPECT_FALSE(rig.cycle.FetchError());
}

TEST(UpdateCycleTest, PortAndMarkedHostNameComeFromTheSettings) {
    struct Case {
        bool useProxy;
        int proxyPort;
        std::string host;
        int expectedPort;
    } cases[] = {
        {false, 2121, "tgftp.nws.noaa.gov", 21},
        {true, 2121, "tgftp.nws.noaa.gov", 2121},
        {true, 21, "F#Fmarked", 21}, // a marker typed into the setting is the user's text
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.Serve("report\r\n");
        CycleSettings settings = Kjln();
        settings.UseProxy = c.useProxy;
        settings.ProxyPort = c.proxyPort;
        settings.Host = c.host;
        rig.cycle.Button1Click(settings);
        EXPECT_EQ(rig.client.NewFTPPort, c.expectedPort) << c.host;
        EXPECT_EQ(rig.client.Hostname, "F#F" + c.host);
    }
}

TEST(UpdateCycleTest, AFailedLoginOrChangeDirLightsTheRedLampAndEndsTheCycle) {
    const Journal afterLogin = {"Busy", "title Accessing data", "run", "Failed"};
    const Journal afterChangeDir = {"Busy", "title Accessing data", "run", "run", "Failed"};
    struct Case {
        const char* name;
        int failAt;
        std::function<void()> fail;
        Journal journal;
    } cases[] = {
        {"host not resolved", 1, [] { throw ETcpIpError("Couldn't resolve hostname x"); },
         afterLogin},
        {"connection refused", 1, [] { throw ESocketError(111); }, afterLogin},
        {"login refused", 1, [] { throw EProtocolError("FTP", "Login incorrect.", 530); },
         afterLogin},
        {"no such directory", 2, [] { throw EProtocolError("FTP", "No such directory", 550); },
         afterChangeDir},
    };
    for (const auto& c : cases) {
        Rig rig(c.failAt, c.fail);
        rig.Serve("report\r\n");
        EXPECT_FALSE(rig.cycle.Button1Click(Kjln())) << c.name;
        EXPECT_EQ(rig.journal, c.journal) << c.name;
        EXPECT_THAT(rig.lines, ElementsAre("previous report")) << c.name;
        EXPECT_THROW(std::rethrow_exception(rig.cycle.FetchError()), ETcpIpError) << c.name;
    }
}

TEST(UpdateCycleTest, OtherErrorsLeaveTheCycleWithTheGreenLampLit) {
    const Journal start = {"Busy", "title Accessing data"};
    auto plus = [&](Journal more) {
        Journal journal = start;
        journal.insert(journal.end(), more.begin(), more.end());
        return journal;
    };
    struct Case {
        const char* name;
        int failAt;
        std::function<void()> fail;
        bool breakOutFails;
        Journal journal;
        bool boxLoaded;
    } cases[] = {
        {"bad port at login", 1, [] { throw std::out_of_range("Port out of range"); }, false,
         plus({"run"}), false},
        {"other error at ChangeDir", 2, [] { throw std::runtime_error("out of memory"); }, false,
         plus({"run", "run"}), false},
        {"file refused", 3, [] { throw EProtocolError("FTP", "KJLN.TXT: not found", 550); }, false,
         plus({"run", "run", "run"}), false},
        {"logout refused", 4, [] { throw EProtocolError("FTP", "Bye failed", 421); }, false,
         plus({"run", "run", "run", "box", "run"}), true},
        {"decoder error", 0, {}, true, kFetched, true},
    };
    for (const auto& c : cases) {
        Rig rig(c.failAt, c.fail);
        rig.breakOutFails = c.breakOutFails;
        rig.Serve("report\r\n");
        EXPECT_ANY_THROW(rig.cycle.Button1Click(Kjln())) << c.name;
        EXPECT_EQ(rig.journal, c.journal) << c.name;
        EXPECT_EQ(rig.lines.front(), c.boxLoaded ? "report" : "previous report") << c.name;
    }
}

TEST(UpdateCycleTest, AReportOverTheLimitIsNeitherShownNorDecoded) {
    Rig atLimit;
    atLimit.Serve(std::string(kMaxReportBytes, '\n'));
    EXPECT_TRUE(atLimit.cycle.Button1Click(Kjln()));
    Rig over;
    over.Serve(std::string(kMaxReportBytes + 1, '\n'));
    const auto error = Thrown<EReportTooLarge>([&] { over.cycle.Button1Click(Kjln()); });
    ASSERT_TRUE(error) << "accepted";
    EXPECT_STREQ(error->what(),
                 "The report is larger than 1 MiB (1048577 bytes); it was not decoded");
    EXPECT_EQ(over.journal, Journal({"Busy", "title Accessing data", "run", "run", "run"}));
    EXPECT_THAT(over.lines, ElementsAre("previous report"));
}

TEST(UpdateCycleTest, FetchHandsOnTheBytesWithoutShowingOrDecodingThem) {
    Rig rig;
    const std::string large(kMaxReportBytes + 1, 'x');
    rig.Serve(large);
    std::string delivered;
    EXPECT_TRUE(rig.cycle.Fetch(Kjln(), [&](const MemoryStream& report) {
        rig.journal.push_back("deliver");
        delivered.assign(report.Data(), report.Size());
    }));
    EXPECT_EQ(rig.journal, Journal({"Busy", "title Accessing data", "run", "run", "run", "deliver",
                                    "run", "Fetched"}));
    EXPECT_EQ(delivered, large);
    EXPECT_THAT(rig.lines, ElementsAre("previous report"));
}

// The real client against a scripted server: the dialogue one cycle speaks.
TEST(UpdateCycleTest, SpeaksTheGaugesDialogueWithTheServer) {
    const std::string report = "Station (KJLN)\r\nWind: Calm:0\r\n";
    testing::FakeFtpServer server([&](testing::FakeFtpSession& s) { s.ServeReport(report); });
    Rig rig;
    rig.runOperations = true;
    rig.client.IdleTimeout = 5000;
    CycleSettings settings = Kjln();
    settings.Host = "127.0.0.1";
    settings.UseProxy = true;
    settings.ProxyPort = server.Port();
    EXPECT_TRUE(rig.cycle.Button1Click(settings));
    server.Join();
    EXPECT_EQ(server.Error(), "");
    EXPECT_THAT(server.Commands(),
                ElementsAreArray({"USER ftp\r\n", "PASS stormbell@home\r\n", "TYPE I\r\n",
                                  "CWD data/observations/metar/decoded\r\n", "PASV\r\n",
                                  "RETR KJLN.TXT\r\n", "QUIT\r\n"}));
    EXPECT_THAT(rig.decoded, ElementsAre("Station (KJLN)", "Wind: Calm:0"));
}

} // namespace
} // namespace stormbell
