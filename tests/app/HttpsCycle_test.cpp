// The update cycle over HTTPS as the window drives it: the router, the FTP client beside it and
// a real HTTPS server on loopback; the outcomes follow the same table as FTP's.
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

} // namespace
} // namespace stormbell
