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

using Window = testing::RecordingWindow;

TEST(HttpsCycleTest, LampsBoxAndErrorsAsForFtp) {
    testing::HttpsTestServer trusted;
    testing::HttpsTestServer stranger(testing::ServerCertificate::Stranger);
    const std::string dir = "data/observations/metar/decoded";
    std::ofstream(trusted.Root() / dir / "HUGE.TXT", std::ios::binary)
        << std::string(kMaxReportBytes + 1, '\n');
    const Journal start = {"Busy", "title Accessing data"};
    const auto plus = [&](Journal more) {
        Journal journal = start;
        journal.insert(journal.end(), more.begin(), more.end());
        return journal;
    };
    const Journal failed = plus({"Failed", "title Update failed"});
    enum class End { Decoded, Failed, Thrown };
    struct Case {
        const char* name;
        std::string host;
        std::string directory;
        const char* file;
        End end;
        Journal journal;
        std::string error; // a part of the message
    } cases[] = {
        {"fetched", trusted.Host(), dir, "KARB.TXT", End::Decoded,
         plus({"box", "Fetched", "breakOut"}), ""},
        {"untrusted certificate", stranger.Host(), dir, "KARB.TXT", End::Failed, failed,
         "certificate"},
        {"forbidden", trusted.Host(), "status/403", "KARB.TXT", End::Failed, failed,
         "403 Forbidden"},
        {"no such station", trusted.Host(), dir, "XXXX.TXT", End::Failed, failed,
         "The server has no XXXX.TXT in the directory " + dir + " on 127.0.0.1:"},
        {"server error", trusted.Host(), "status/503", "KARB.TXT", End::Failed, failed,
         "HTTP/1.0 503 Service Unavailable"},
        {"too large to decode", trusted.Host(), dir, "HUGE.TXT", End::Failed, failed,
         "larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        TFTP ftp;
        FtpReportClient ftpClient(ftp);
        HttpsClient https;
        https.CaFile = trusted.CaFile();
        https.MaxDownloadSize = kMaxReportBytes + 1;
        RoutingClient client(ftpClient, https);
        Window window;
        DirectRunner runner;
        UpdateCycle cycle(
            client, window, window, window, runner,
            [&](const std::vector<std::string>&, bool) { window.journal.push_back("breakOut"); });
        CycleSettings settings;
        settings.Host = c.host;
        settings.Direct1 = c.directory;
        settings.OCityStr = c.file;
        std::string error;
        End end = End::Thrown;
        try {
            end = cycle.Button1Click(settings) ? End::Decoded : End::Failed;
            if (end == End::Failed)
                std::rethrow_exception(cycle.FetchError());
        } catch (const std::exception& thrown) {
            error = thrown.what();
        }
        EXPECT_EQ(end, c.end) << c.name;
        EXPECT_EQ(window.journal, c.journal) << c.name;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
        if (c.end != End::Decoded)
            EXPECT_EQ(window.lines, Journal({"previous report"})) << c.name;
        else
            EXPECT_EQ(window.lines.front().substr(0, 9), "ANN ARBOR") << c.name;
    }
}

} // namespace
} // namespace stormbell
