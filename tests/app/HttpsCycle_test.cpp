// The update cycle over HTTPS as the window drives it: the router, the FTP client beside it and
// a real HTTPS server on loopback; the outcomes follow the same table as FTP's.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/UpdateCycle.h"
#include "net/FtpReportClient.h"
#include "net/HttpsClient.h"
#include "net/RoutingClient.h"
#include "net/TcpIpErrors.h"
#include "observation/ReportLines.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/ProxyPort.h"
#include "tests/support/RecordingWindow.h"

namespace stormbell {
namespace {

using Journal = std::vector<std::string>;

TEST(HttpsCycleTest, LampsBoxAndErrorsAsForFtp) {
    testing::HttpsTestServer trusted;
    testing::HttpsTestServer stranger(testing::ServerCertificate::Stranger);
    const std::string dir = "data/observations/metar/decoded";
    std::ofstream(trusted.Root() / dir / "HUGE.TXT", std::ios::binary)
        << std::string(kMaxReportBytes + 1, '\n');
    const std::uint16_t closedPort = testing::FreeProxyPort();
    struct Case {
        const char* name;
        std::string host;
        std::string directory;
        const char* file;
        std::string error; // a part of the message; empty: fetched and decoded
    } cases[] = {
        {"fetched", trusted.Host(), dir, "KARB.TXT", ""},
        {"untrusted certificate", stranger.Host(), dir, "KARB.TXT", "certificate"},
        {"forbidden", trusted.Host(), "status/403", "KARB.TXT", "403 Forbidden"},
        {"no such station", trusted.Host(), dir, "XXXX.TXT",
         "The server has no XXXX.TXT in the directory " + dir + " on 127.0.0.1:"},
        {"server error", trusted.Host(), "status/503", "KARB.TXT",
         "HTTP/1.0 503 Service Unavailable"},
        {"too large to decode", trusted.Host(), dir, "HUGE.TXT", "larger than 1 MiB"},
        {"nothing listening", "https://127.0.0.1:" + std::to_string(closedPort), dir, "KARB.TXT",
         "Could not connect to 127.0.0.1 port " + std::to_string(closedPort) +
             ": connection refused"},
    };
    for (const auto& c : cases) {
        TFTP ftp;
        FtpReportClient ftpClient(ftp);
        HttpsClient https;
        https.CaFile = trusted.CaFile();
        https.MaxDownloadSize = kMaxReportBytes + 1;
        RoutingClient client(ftpClient, https);
        testing::RecordingWindow window;
        DirectRunner runner;
        UpdateCycle cycle(
            client, window, window, runner,
            [&](const std::vector<std::string>&, bool) { window.journal.push_back("breakOut"); });
        CycleSettings settings;
        settings.Host = c.host;
        settings.ReportDirectory = c.directory;
        settings.StationFile = c.file;
        const bool fetched = c.error.empty();
        const CycleOutcome outcome = cycle.Run(settings);
        EXPECT_EQ(outcome.Completed(), fetched) << c.name;
        EXPECT_NE(outcome.Message.find(c.error), std::string::npos)
            << c.name << ": " << outcome.Message;
        const Journal journal =
            fetched ? Journal{"Busy", "title Accessing data", "Fetched", "breakOut"}
                    : Journal{"Busy", "title Accessing data", "Failed", "title Update failed"};
        EXPECT_EQ(window.journal, journal) << c.name;
        EXPECT_EQ(cycle.Report().substr(0, 9), fetched ? "ANN ARBOR" : "") << c.name;
    }
}

// A timer's cycle after a completed one asks whether the report changed; only the same address,
// a completed cycle before it and an unchanged file give the 304 that ends it without decoding.
TEST(HttpsCycleTest, AnUnchangedReportCostsA304AndKeepsTheReading) {
    testing::HttpsTestServer server;
    const std::string dir = "data/observations/metar/decoded";
    const Journal decoded{"Busy", "title Accessing data", "Fetched", "breakOut"};
    const Journal unchanged{"Busy", "title Accessing data", "Fetched", "title Completed"};
    struct Case {
        const char* name;
        const char* path;   // before the directory: "etag/" serves ETags, not times
        bool ifChanged;     // the second cycle is the timer's
        const char* second; // the second cycle's station
        bool fileChanged;   // the station's file is newer before the second cycle
        bool firstDecodeFails;
        bool notModified;
    } cases[] = {
        {"timer, file unchanged: 304", "", true, "KARB.TXT", false, false, true},
        {"timer, same ETag: 304", "etag/", true, "KARB.TXT", false, false, true},
        {"update now", "", false, "KARB.TXT", false, false, false},
        {"timer, file changed", "", true, "KARB.TXT", true, false, false},
        {"timer, ETag changed", "etag/", true, "KARB.TXT", true, false, false},
        {"timer, other station", "", true, "EGLC.TXT", false, false, false},
        {"timer after a failed decode", "", true, "KARB.TXT", false, true, false},
    };
    for (const auto& c : cases) {
        HttpsClient client;
        client.CaFile = server.CaFile();
        testing::RecordingWindow window;
        DirectRunner runner;
        int decodes = 0;
        UpdateCycle cycle(client, window, window, runner,
                          [&](const std::vector<std::string>&, bool) {
                              window.journal.push_back("breakOut");
                              if (decodes++ == 0 && c.firstDecodeFails)
                                  throw std::runtime_error("undecodable");
                          });
        CycleSettings settings;
        settings.Host = server.Host();
        settings.ReportDirectory = c.path + dir;
        settings.StationFile = "KARB.TXT";
        cycle.Run(settings);
        const auto file = server.Root() / dir / "KARB.TXT";
        if (c.fileChanged)
            std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                                       std::chrono::hours(1));
        window.journal.clear();
        settings.IfChanged = c.ifChanged;
        settings.StationFile = c.second;
        const CycleOutcome outcome = cycle.Run(settings);
        EXPECT_TRUE(outcome.Completed()) << c.name;
        EXPECT_EQ(outcome.Unchanged, c.notModified) << c.name;
        EXPECT_EQ(window.journal, c.notModified ? unchanged : decoded) << c.name;
        EXPECT_EQ(client.Unchanged(), c.notModified) << c.name;
        EXPECT_EQ(cycle.Report().substr(0, 6), c.second[0] == 'K' ? "ANN AR" : "London") << c.name;
    }
}

} // namespace
} // namespace stormbell
