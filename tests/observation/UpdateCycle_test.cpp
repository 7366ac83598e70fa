#include "observation/UpdateCycle.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/TcpIpErrors.h"
#include "observation/ReportLines.h"
#include "tests/net/FakeFtpServer.h"

namespace stormbell {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Journal = std::vector<std::string>;

const char* Name(LampState state) {
    switch (state) {
    case LampState::Idle:
        return "Idle";
    case LampState::Busy:
        return "Busy";
    case LampState::Failed:
        return "Failed";
    case LampState::Fetched:
        return "Fetched";
    }
    return "?";
}

// Every fake writes what happens to it into one journal, so the order is checked too.
class JournalLamps final : public Lamps {
public:
    explicit JournalLamps(Journal& journal) : journal_(journal) {}
    void SetLampState(LampState state) override { journal_.push_back(Name(state)); }

private:
    Journal& journal_;
};

class JournalStatus final : public StatusLine {
public:
    explicit JournalStatus(Journal& journal) : journal_(journal) {}
    void SetStatus(const std::string& text) override { journal_.push_back("title " + text); }

private:
    Journal& journal_;
};

class JournalBox final : public ReportBox {
public:
    explicit JournalBox(Journal& journal) : journal_(journal) {}
    void LoadReport(const std::string& bytes) override {
        journal_.push_back("box");
        lines_ = SplitReportLines(bytes);
    }
    std::vector<std::string> Lines() const override { return lines_; }

private:
    Journal& journal_;
    std::vector<std::string> lines_ = {"previous report"};
};

// Stands in for the client's blocking operations: operation N (1-based) throws what `fail`
// throws; the others are skipped unless `runOperations`, so the client never reaches a server.
class ScriptedRunner final : public BlockingRunner {
public:
    ScriptedRunner(Journal& journal, int failAt, std::function<void()> fail)
        : journal_(journal), failAt_(failAt), fail_(std::move(fail)) {}
    void Run(const std::function<void()>& operation) override {
        journal_.push_back("run");
        if (++count_ == failAt_)
            fail_();
        if (runOperations)
            operation();
    }
    bool runOperations = false;

private:
    Journal& journal_;
    int count_ = 0;
    int failAt_;
    std::function<void()> fail_;
};

struct Rig {
    explicit Rig(int failAt = 0, std::function<void()> fail = {})
        : lamps(journal), status(journal), box(journal), runner(journal, failAt, std::move(fail)),
          cycle(client, lamps, status, box, runner,
                [this](const std::vector<std::string>& lines, bool logIt) {
                    journal.push_back("breakOut" + std::string(logIt ? " logging" : ""));
                    decoded = lines;
                    if (breakOutFails)
                        throw std::runtime_error("'five' is not a valid floating point value");
                }) {}
    // What Download would leave in the client: the stream, rewound.
    void Serve(const std::string& report) {
        client.Stream().Write(report.data(), report.size());
        client.Stream().Seek(0);
    }
    Journal journal;
    TFTP client;
    JournalLamps lamps;
    JournalStatus status;
    JournalBox box;
    ScriptedRunner runner;
    UpdateCycle cycle;
    std::vector<std::string> decoded;
    bool breakOutFails = false;
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
    EXPECT_TRUE(rig.cycle.Button1Click(Kjln()));
    EXPECT_EQ(rig.journal, kFetched);
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

TEST(UpdateCycleTest, LoggingFollowsTheSetting) {
    Rig rig;
    rig.Serve("report\r\n");
    CycleSettings settings = Kjln();
    settings.LogIt = true;
    rig.cycle.Button1Click(settings);
    EXPECT_EQ(rig.journal.back(), "breakOut logging");
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
        EXPECT_THAT(rig.box.Lines(), ElementsAre("previous report")) << c.name;
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
        EXPECT_EQ(rig.box.Lines().front(), c.boxLoaded ? "report" : "previous report") << c.name;
    }
}

TEST(UpdateCycleTest, AReportOverTheLimitIsNeitherShownNorDecoded) {
    struct Case {
        std::size_t size;
        bool refused;
    } cases[] = {{kMaxReportBytes, false}, {kMaxReportBytes + 1, true}};
    for (const auto& c : cases) {
        Rig rig;
        rig.Serve(std::string(c.size, '\n'));
        if (!c.refused) {
            EXPECT_TRUE(rig.cycle.Button1Click(Kjln()));
            continue;
        }
        try {
            rig.cycle.Button1Click(Kjln());
            ADD_FAILURE() << "a report of " << c.size << " bytes was accepted";
        } catch (const EReportTooLarge& error) {
            EXPECT_STREQ(error.what(),
                         "The report is larger than 1 MiB (1048577 bytes); it was not decoded");
        }
        EXPECT_EQ(rig.journal, Journal({"Busy", "title Accessing data", "run", "run", "run"}));
        EXPECT_THAT(rig.box.Lines(), ElementsAre("previous report"));
    }
}

// The real client against a scripted server: the dialogue one cycle speaks.
TEST(UpdateCycleTest, SpeaksTheGaugesDialogueWithTheServer) {
    const std::string report = "Station (KJLN)\r\nWind: Calm:0\r\n";
    testing::FakeFtpServer server([&](testing::FakeFtpSession& s) {
        s.Login();
        s.Answer("250 CWD command successful");
        s.AnswerPasv();
        s.AcceptData();
        s.Answer("150 Opening BINARY mode data connection");
        s.SendData(report);
        s.CloseData();
        s.Reply("226 Transfer complete");
        s.Answer("221 Goodbye");
    });
    Rig rig;
    rig.runner.runOperations = true;
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
