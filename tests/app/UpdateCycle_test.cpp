#include "app/UpdateCycle.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/CycleFailure.h"
#include "net/FtpReportClient.h"
#include "net/TcpIpErrors.h"
#include "observation/ReportDecoder.h"
#include "observation/ReportLines.h"
#include "observation/ReportLog.h"
#include "observation/ValueTexts.h"
#include "platform/TextConvert.h"
#include "tests/net/FakeFtpServer.h"
#include "tests/observation/Fakes.h"
#include "tests/support/OpenDescriptors.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ReportShapes.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Journal = std::vector<std::string>;

// The window's side of the cycle in one fake: lamps, title and a runner. Every
// call goes into one journal, so the order is checked too. Blocking operation N (1-based)
// throws what `fail` throws; the others are skipped unless `runOperations`, so that the client
// reaches no server and Download leaves what Serve put into its stream.
struct Rig final : testing::RecordingWindow, BlockingRunner {
    explicit Rig(int failAt = 0, std::function<void()> fail = {})
        : failAt(failAt), fail(std::move(fail)),
          cycle(ftp, *this, *this, *this,
                [this](const std::vector<std::string>& lines, bool logIt) {
                    journal.push_back(logIt ? "breakOut logging" : "breakOut");
                    decoded = lines;
                    if (decodeWith)
                        decodeWith(lines);
                    if (decodeFails)
                        decodeFails();
                }) {}
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

    std::vector<std::string> decoded;
    int runs = 0;
    int failAt;
    std::function<void()> fail;
    bool runOperations = false;
    std::function<void()> decodeFails;
    std::function<void(const std::vector<std::string>&)> decodeWith;
    TFTP client;
    FtpReportClient ftp{client};
    UpdateCycle cycle;
};

CycleSettings Kjln() {
    CycleSettings settings;
    settings.Host = "reports.example";
    settings.ReportDirectory = "data/observations/metar/decoded";
    settings.StationFile = "KJLN.TXT";
    return settings;
}

// The observation time on the second line makes a text a decoded report.
const std::string kTimeLine = "Jan 05, 2024 - 12:53 PM EST / 2024.01.05 1753 UTC";
const std::string kReport = "Station (KJLN)\r\n" + kTimeLine + "\r\nWind: Calm:0\r\n";

const Journal kFetched = {"Busy",    "title Accessing data", "run", "run", "run", "run", "Fetched",
                          "breakOut"};

TEST(UpdateCycleTest, FetchesKeepsLogsOutAndDecodesInThatOrder) {
    Rig rig;
    const std::string report = kReport;
    rig.Serve(report);
    CycleSettings settings = Kjln();
    settings.LogReports = true;
    const CycleOutcome outcome = rig.cycle.Run(settings);
    EXPECT_TRUE(outcome.Completed());
    EXPECT_EQ(outcome.Message, "");
    Journal expected = kFetched;
    expected.back() = "breakOut logging";
    EXPECT_EQ(rig.journal, expected);
    EXPECT_THAT(rig.decoded, ElementsAre("Station (KJLN)", kTimeLine, "Wind: Calm:0"));
    EXPECT_EQ(rig.cycle.Report(), report);
    EXPECT_EQ(rig.client.URI, "KJLN.TXT");

    Rig atLimit; // a report of the largest size is kept and decoded as well
    atLimit.Serve(kReport + std::string(kMaxReportBytes - kReport.size(), '\n'));
    EXPECT_TRUE(atLimit.cycle.Run(Kjln()).Completed());
    EXPECT_EQ(atLimit.journal, kFetched);
}

TEST(UpdateCycleTest, PortAndHostNameComeFromTheSettings) {
    struct Case {
        bool useProxy;
        int proxyPort;
        std::string host;
        int expectedPort;
        std::string expectedHost;
    } cases[] = {
        {false, 2121, "tgftp.nws.noaa.gov", 21, "tgftp.nws.noaa.gov"},
        {true, 2121, "tgftp.nws.noaa.gov", 2121, "tgftp.nws.noaa.gov"},
        {false, 2121, "ftp://reports.example:2000", 2000, "reports.example"},
        {true, 2121, "reports.example:2000", 2121, "reports.example"}, // Use Proxy's port first
        // A marker typed into the setting is the user's text, and no host name: refused before
        // anything is connected.
        {true, 21, "F#Fmarked", 21, ""},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.Serve("report\r\n");
        CycleSettings settings = Kjln();
        settings.UseProxy = c.useProxy;
        settings.ProxyPort = c.proxyPort;
        settings.Host = c.host;
        rig.cycle.Run(settings);
        EXPECT_EQ(rig.client.ServerPort, c.expectedPort) << c.host;
        EXPECT_EQ(rig.client.Hostname, c.expectedHost);
    }
}

// Journal of a cycle that ran `runs` blocking operations and failed: the session is ended
// (one more run), then red lamp and title.
Journal FailedAfter(int runs) {
    Journal journal = {"Busy", "title Accessing data"};
    for (int i = 0; i <= runs; ++i)
        journal.push_back("run");
    journal.push_back("Failed");
    journal.push_back("title Update failed");
    return journal;
}

// The outcome names the step, keeps the cause and tells where; the report is kept only once it
// was fetched whole.
TEST(UpdateCycleTest, AnyFailureLightsTheRedLampTellsWhereAndEndsTheSession) {
    const std::string in = " in data/observations/metar/decoded on reports.example";
    Journal decoderFailed = kFetched;
    decoderFailed.insert(decoderFailed.end(), {"Failed", "title Update failed"});
    struct Case {
        int failAt;
        std::function<void()> fail;
        Journal journal;
        CycleStep step;
        std::string message;
        std::function<void(Rig&, CycleSettings&)> change = {};
    } cases[] = {
        {1, [] { throw ETcpIpError("Couldn't resolve hostname x"); }, FailedAfter(1),
         CycleStep::Connect,
         "Could not connect to reports.example port 21: Couldn't resolve hostname x"},
        {1, [] { throw ESocketError(ECONNREFUSED); }, FailedAfter(1), CycleStep::Connect,
         "Could not connect to reports.example port 21: connection refused"},
        // The words come from the error code, the port from the settings.
        {1, [] { throw ESocketError(ETIMEDOUT); }, FailedAfter(1), CycleStep::Connect,
         "Could not connect to reports.example port 21: timed out"},
        {1, [] { throw EHostNotFound("Couldn't resolve hostname x"); }, FailedAfter(1),
         CycleStep::Connect, "Could not connect to reports.example port 21: host not found"},
        {1, [] { throw ESocketError(EHOSTUNREACH); }, FailedAfter(1), CycleStep::Connect,
         "Could not connect to 127.0.0.1 port 2121: no route to host",
         [](Rig&, CycleSettings& s) {
             s = {"127.0.0.1", s.ReportDirectory, s.StationFile, true, 2121};
         }},
        {1, [] { throw EProtocolError("FTP", "Login incorrect.", 530); }, FailedAfter(1),
         CycleStep::Login, "Could not log in to reports.example: \"530 Login incorrect.\""},
        {1, [] { throw std::out_of_range("Port out of range 0..65535: 70000"); }, FailedAfter(1),
         CycleStep::Connect,
         "Could not connect to reports.example port 21: Port out of range 0..65535: 70000"},
        {2, [] { throw EProtocolError("FTP", "No such directory", 550); }, FailedAfter(2),
         CycleStep::ChangeDir,
         "The directory data/observations/metar/decoded was not found on reports.example: \"550 "
         "No such directory\""},
        {3, [] { throw EProtocolError("FTP", "No such file or directory.", 550); }, FailedAfter(3),
         CycleStep::Download,
         "KJLN.TXT was not found" + in + ": \"550 No such file or directory.\""},
        {3, [] { throw ETcpIpError("No data within the time-out (ms) of 30000"); }, FailedAfter(3),
         CycleStep::Download,
         "KJLN.TXT could not be fetched from data/observations/metar/decoded on reports.example: "
         "No data within the time-out (ms) of 30000"},
        {0,
         {},
         decoderFailed,
         CycleStep::Decode,
         "KJLN.TXT from data/observations/metar/decoded on reports.example was not decoded: "
         "'five' is not a valid floating point value",
         [](Rig& rig, CycleSettings&) {
             rig.decodeFails = [] {
                 throw EConvertError("'five' is not a valid floating point value");
             };
         }},
        {0,
         {},
         decoderFailed,
         CycleStep::Log,
         "KJLN.TXT from data/observations/metar/decoded on reports.example was not decoded: "
         "Cannot ASSIGN METAR.LOG.",
         [](Rig& rig, CycleSettings&) {
             rig.decodeFails = [] { throw ELogFileError("Cannot ASSIGN METAR.LOG."); };
         }},
        {0,
         {},
         FailedAfter(3),
         CycleStep::Download,
         "reports.example, asked for KJLN.TXT in data/observations/metar/decoded, sent an empty "
         "report",
         [](Rig& rig, CycleSettings&) { rig.client.Stream().Clear(); }},
        {0,
         {},
         FailedAfter(3),
         CycleStep::Download,
         "KJLN.TXT could not be fetched from data/observations/metar/decoded on reports.example: "
         "The report is larger than 1 MiB (1048577 bytes); it was not decoded",
         [](Rig& rig, CycleSettings&) { rig.Serve(std::string(kMaxReportBytes + 1, '\n')); }},
        {0,
         {},
         FailedAfter(0),
         CycleStep::Check,
         "Nothing was sent to reports.example: Control character refused in the directory",
         [](Rig&, CycleSettings& settings) { settings.ReportDirectory = std::string("a\0b", 3); }},
    };
    for (const auto& c : cases) {
        Rig rig(c.failAt, c.fail);
        rig.Serve(kReport);
        CycleSettings settings = Kjln();
        if (c.change)
            c.change(rig, settings);
        const CycleOutcome outcome = rig.cycle.Run(settings);
        EXPECT_EQ(outcome.FailedAt, c.step) << c.message;
        EXPECT_EQ(outcome.Message, c.message);
        EXPECT_TRUE(outcome.Cause) << c.message;
        EXPECT_EQ(rig.journal, c.journal) << c.message;
        EXPECT_EQ(rig.cycle.Report(), rig.decodeFails ? kReport : "") << c.message;
    }
}

std::string Sample(const char* file) {
    return testing::ReadFile(std::filesystem::path(STORMBELL_TEST_DATA_DIR) / "reports" / file);
}

// Sample `file` with the line holding `find` replaced by `line` (none: removed).
std::string Edited(const char* file, const std::string& find,
                   const std::optional<std::string>& line) {
    std::string edited;
    for (const auto& l : SplitReportLines(Sample(file)))
        if (l.find(find) == std::string::npos)
            edited += l + "\n";
        else if (line)
            edited += *line + "\n";
    return edited;
}

// Sample reports missing or spoiling lines, decoded after a whole one (CYVR): a value a report
// does not state readably rests and is named, never made up or taken from the earlier report.
TEST(UpdateCycleTest, ReportsShowOnlyWhatTheyStateReadably) {
    const std::string wind = "Wind: from the WSW (", windRest = " degrees) at 9 MPH (8 KT):0";
    const std::string karb = Sample("KARB.TXT");
    const std::string refused =
        "KJLN.TXT from data/observations/metar/decoded on reports.example "
        "is not a decoded report: none of its first lines gives the observation time";
    const std::string windless = "24 83 24 -30 30.02 000 0 Wind";
    const auto kfnt = testing::ReportShapes(Sample("KFNT.TXT"));
    const struct {
        std::string report;
        std::string shown; // temperature, humidity, heat index, chill, pressure, wind; unreported
    } cases[] = {
        // The report's own humidity stands in for the one the dew point would give.
        {Edited("KARB.TXT", "Dew Point", std::nullopt),
         "24 83 -30 12 30.02 250 8 DewPoint,HumidityStated"},
        {Edited("KYIP.TXT", "Wind:", std::nullopt), "89 54 95 -30 29.94 000 0 Wind"},
        {Edited("KARB.TXT", "Pressure (alt", std::nullopt), "24 83 24 12 28 250 8 Pressure"},
        {Edited("KARB.TXT", "Temperature:", std::string("Temperature: 24.1 F (-4.4\0 C)", 30)),
         "-30 83 -30 -30 30.02 250 8 Temperature,HumidityStated"},
        {karb.substr(0, karb.find("(-4.4 C)") + 3),
         "-30 0 -30 -30 28 250 8 Temperature,DewPoint,Pressure"},
        {Edited("KARB.TXT", wind, wind + "0999" + windRest), windless},
        {Edited("KARB.TXT", wind, wind + "+10" + windRest), windless},
        {Edited("KARB.TXT", wind, wind + "1000" + windRest), windless},
        {Edited("KARB.TXT", wind, wind + "-10" + windRest), windless},
        {Edited("KARB.TXT", " UTC", std::nullopt), "55 58 55 55 30.09 000 0 " + refused},
        {"<html>\n<p>Wind: from the N (10 degrees) at 5 MPH (4 KT)</p>\n",
         "55 58 55 55 30.09 000 0 " + refused},
        {kfnt[2].text, "71 90 75 71 29.89 210 13 "}, // a stray carriage return in the header
        {kfnt[4].text, "71 90 75 71 29.89 210 13 "}, // the time line third
    };
    for (const auto& c : cases) {
        Observation o = FreshStoreObservation();
        testing::RecordingPresenter presenter{o};
        testing::CountingPause pause;
        testing::RecordingStatus status;
        ReportDecoder decoder{o, presenter, pause, status, "."};
        decoder.BreakOut(SplitReportLines(Sample("CYVR.TXT")), false);
        Rig rig;
        rig.decodeWith = [&](const std::vector<std::string>& lines) {
            decoder.BreakOut(lines, false);
        };
        rig.Serve(c.report);
        const std::string refusal = rig.cycle.Run(Kjln()).Message;
        std::ostringstream shown;
        const GaugeValues& v = o.Shown;
        shown << v.TemperatureF << ' ' << v.HumidityPercent << ' ' << v.HeatIndexF << ' '
              << v.WindChillF << ' ' << FloatToStrGeneral(v.PressureInHg) << ' '
              << DirectionText(v.WindDirection) << ' ' << v.WindSpeedKnots << ' '
              << UnreportedText(o.NotReported) << refusal;
        EXPECT_EQ(shown.str(), c.shown) << c.report;
    }
}

// Only a connection that could not be made to the service's own FTP server points to HTTPS.
TEST(UpdateCycleTest, OnlyAFailedConnectionToTheServicesFtpServerIsBlockedFtp) {
    const auto failed = [](CycleStep step, const auto& error) {
        return CycleOutcome{step, std::make_exception_ptr(error), "told", {}, false};
    };
    const CycleOutcome refused = failed(CycleStep::Connect, ESocketError(111));
    constexpr const char* kService = "tgftp.nws.noaa.gov";
    const struct {
        std::string host;
        CycleOutcome outcome;
        bool blocked;
    } cases[] = {
        {kService, refused, true},
        {"ftp://TGFTP.nws.noaa.gov/", refused, true},
        {kService, {}, false},
        {kService, failed(CycleStep::Login, EProtocolError("FTP", "Login incorrect.", 530)), false},
        {kService, failed(CycleStep::Connect, ETcpIpError("Couldn't resolve hostname x")), false},
        {kService, failed(CycleStep::Download, ESocketError(111)), false},
        {"127.0.0.1", refused, false},
        {"https://tgftp.nws.noaa.gov", refused, false},
        {"https://bad host", refused, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FtpBlocked(c.outcome, c.host, kService), c.blocked) << c.host;
}

TEST(UpdateCycleTest, FetchHandsOnTheBytesWithoutKeepingOrDecodingThem) {
    Rig rig;
    const std::string large(kMaxReportBytes + 1, 'x');
    rig.Serve(large);
    std::string delivered;
    EXPECT_TRUE(rig.cycle
                    .Fetch(Kjln(),
                           [&](const MemoryStream& report) {
                               rig.journal.push_back("deliver");
                               delivered.assign(report.Data(), report.Size());
                           })
                    .Completed());
    EXPECT_EQ(rig.journal, Journal({"Busy", "title Accessing data", "run", "run", "run", "deliver",
                                    "run", "Fetched"}));
    EXPECT_EQ(delivered, large);
    EXPECT_EQ(rig.cycle.Report(), "");
}

// A cycle whose client really reaches `server`, the one the settings name through the proxy port.
CycleSettings ReachServer(Rig& rig, const testing::FakeFtpServer& server) {
    rig.runOperations = true;
    rig.client.IdleTimeout = 5000;
    CycleSettings settings = Kjln();
    settings.Host = "127.0.0.1";
    settings.UseProxy = true;
    settings.ProxyPort = server.Port();
    return settings;
}

// Download outcomes through the whole cycle, the real client and decoder against a scripted
// server: only a report with observation lines is a reading, fetched in the gauge's dialogue;
// every other outcome is told with the red lamp, the title and where it failed, and leaves the
// shown values as they were.
TEST(UpdateCycleTest, DownloadOutcomesAgainstAServer) {
    using Fault = testing::FakeFtpSession::Fault;
    const std::string report =
        testing::ReadFile(std::filesystem::path(STORMBELL_TEST_DATA_DIR) / "reports" / "EGLC.TXT");
    const std::string noSensors = testing::ReadFile(std::filesystem::path(STORMBELL_TEST_DATA_DIR) /
                                                    "reports" / "edge" / "NOSENSORS.TXT");
    const std::string where = " data/observations/metar/decoded on 127.0.0.1";
    struct Case {
        const char* name;
        std::function<void(testing::FakeFtpSession&)> script;
        std::string message; // empty: a reading
    } cases[] = {
        {"good", [&](testing::FakeFtpSession& s) { s.ServeReport(report); }, ""},
        {"550", [&](testing::FakeFtpSession& s) { s.ServeBroken(Fault::Refused, report); },
         "KJLN.TXT was not found in" + where + ": \"550 No such file or directory.\""},
        {"0 bytes", [&](testing::FakeFtpSession& s) { s.ServeBroken(Fault::EmptyFile, report); },
         "127.0.0.1, asked for KJLN.TXT in data/observations/metar/decoded, sent an empty "
         "report"},
#ifndef _WIN32 // under wine the fake server's reset reaches the client as an orderly end
        {"reset", [&](testing::FakeFtpSession& s) { s.ServeBroken(Fault::ResetMidway, report); },
         "KJLN.TXT could not be fetched from" + where +
             ": The data connection failed before the end of the file; socket error"},
#endif
        {"227 without address",
         [&](testing::FakeFtpSession& s) { s.ServeBroken(Fault::NoPasvAddress, report); },
         "KJLN.TXT could not be fetched from" + where +
             ": The passive mode reply gave no address and port: 227 Entering Passive Mode"},
        {"no observation lines", [&](testing::FakeFtpSession& s) { s.ServeReport(noSensors); },
         "KJLN.TXT from" + where +
             " was not decoded: The report holds none of the Wind, Temperature, Dew Point and "
             "Pressure lines"},
    };
    for (const auto& c : cases) {
        testing::FakeFtpServer server(c.script);
        Observation shown = FreshStoreObservation();
        testing::RecordingPresenter presenter{shown};
        testing::CountingPause pause;
        testing::RecordingStatus status;
        ReportDecoder decoder{shown, presenter, pause, status, "."};
        Rig rig;
        rig.decodeWith = [&](const std::vector<std::string>& lines) {
            decoder.BreakOut(lines, false);
        };
        const bool reading = c.message.empty();
        const CycleOutcome outcome = rig.cycle.Run(ReachServer(rig, server));
        EXPECT_EQ(outcome.Completed(), reading) << c.name;
        server.Join();
        EXPECT_EQ(server.Error(), "") << c.name; // the client closed: the script saw its end
        if (reading) {
            EXPECT_THAT(server.Commands(),
                        ElementsAreArray({"USER ftp\r\n", "PASS stormbell@home\r\n", "TYPE I\r\n",
                                          "CWD data/observations/metar/decoded\r\n", "PASV\r\n",
                                          "RETR KJLN.TXT\r\n", "QUIT\r\n"}));
            EXPECT_EQ(rig.decoded, SplitReportLines(report));
        }
        EXPECT_EQ(rig.client.ControlSocket, NoSocketHandle) << c.name;
        EXPECT_EQ(rig.journal.back(), reading ? "breakOut" : "title Update failed") << c.name;
        EXPECT_EQ(shown.Shown.TemperatureF,
                  reading ? 51 : FreshStoreObservation().Shown.TemperatureF)
            << c.name;
        // The system's error number ends a receive error's message.
        EXPECT_EQ(outcome.Message.substr(0, c.message.size()), c.message) << c.name;
    }
}

// One client for a run of failed downloads, as a gauge on a one-minute timer: not one
// connection is left open.
TEST(UpdateCycleTest, FailedDownloadsLeaveNoConnectionOpen) {
#ifdef _WIN32
    GTEST_SKIP() << "under wine, /proc/self/fd lists the host process's descriptors, which wine "
                    "opens and closes by itself, not this program's sockets";
#endif
    Rig rig;
    const long before = testing::OpenDescriptors();
    for (int i = 0; i < 20; ++i) {
        testing::FakeFtpServer server([](testing::FakeFtpSession& s) {
            s.ServeBroken(testing::FakeFtpSession::Fault::Refused, "");
        });
        EXPECT_FALSE(rig.cycle.Run(ReachServer(rig, server)).Completed());
        server.Join();
        EXPECT_EQ(server.Error(), "");
    }
    EXPECT_EQ(testing::OpenDescriptors(), before);
}

} // namespace
} // namespace stormbell
