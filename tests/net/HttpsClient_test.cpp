#include "net/HttpsClient.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "FakeFtpServer.h"
#include "net/FtpReportClient.h"
#include "net/RoutingClient.h"
#include "net/TcpIpErrors.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/ProxyPort.h"
#include "tests/support/TempDir.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using testing::HttpsTestServer;
using testing::ServerCertificate;

constexpr const char* kDir = "data/observations/metar/decoded";
// What the window allows: one byte past the largest report the decoder takes.
constexpr std::size_t kWindowCap = 1024 * 1024 + 1;

// Where a fetch ended: "fetched", or the step that threw, with the error's text and HTTP code.
struct Outcome {
    std::string step;
    std::string message;
    int code = 0;
    std::string report;
};

Outcome FetchWith(ReportClient& client, const ReportRequest& request) {
    Outcome outcome;
    const char* step = "SetRequest";
    try {
        client.SetRequest(request);
        step = "Login";
        client.Login();
        step = "ChangeDir";
        client.ChangeDir();
        step = "Download";
        client.Download();
        outcome.report.assign(client.Report().Data(), client.Report().Size());
        step = "Logout";
        client.Logout();
        step = "fetched";
    } catch (const EProtocolError& error) {
        outcome.message = error.what();
        outcome.code = error.ErrorCode;
    } catch (const ETcpIpError& error) {
        outcome.message = error.what();
    }
    outcome.step = step;
    return outcome;
}

// The servers a test needs, each started at its first use.
class Servers {
public:
    HttpsTestServer& operator[](ServerCertificate certificate) {
        auto& server = servers_[certificate];
        if (!server)
            server = std::make_unique<HttpsTestServer>(certificate);
        return *server;
    }

private:
    std::map<ServerCertificate, std::unique_ptr<HttpsTestServer>> servers_;
};

TEST(HttpsClientTest, FetchesTheReportByteForByte) {
    HttpsTestServer server;
    // The CA bundle comes from the environment, as other programs take it.
    ::setenv("SSL_CERT_FILE", server.CaFile().c_str(), 1);
    HttpsClient client;
    EXPECT_EQ(client.CaFile, server.CaFile().string());
    const std::string expected = testing::ReadFile(server.Root() / kDir / "KARB.TXT");
    const std::string port = std::to_string(server.Port());
    struct Case {
        std::string host;
        std::optional<int> port;
        std::string directory;
    } cases[] = {
        {"https://127.0.0.1:" + port, std::nullopt, kDir},
        {"HTTPS://127.0.0.1:" + port + "/", std::nullopt, std::string("/") + kDir + "/"},
        {"https://127.0.0.1", server.Port(), kDir},   // Use Proxy's port
        {"https://127.0.0.1:1", server.Port(), kDir}, // ... even over the address's
        {"https://127.0.0.1:" + port, std::nullopt, std::string("redirect-https/") + kDir},
    };
    for (const auto& c : cases) {
        const Outcome outcome = FetchWith(client, {c.host, c.port, c.directory, "KARB.TXT"});
        EXPECT_EQ(outcome.step, "fetched") << c.host << " " << c.directory << outcome.message;
        EXPECT_TRUE(outcome.report == expected) << c.host << " " << c.directory;
    }
}

TEST(HttpsClientTest, FetchesFromAnIpv6ServerNamedInBrackets) {
    HttpsTestServer server(ServerCertificate::Trusted, "::1");
    HttpsClient client;
    client.CaFile = server.CaFile();
    const Outcome outcome = FetchWith(client, {server.Host(), std::nullopt, kDir, "KARB.TXT"});
    EXPECT_EQ(outcome.step, "fetched") << server.Host() << ": " << outcome.message;
    EXPECT_TRUE(outcome.report == testing::ReadFile(server.Root() / kDir / "KARB.TXT"));
}

TEST(HttpsClientTest, FailuresShowAtTheStepTheCycleMapsThemTo) {
    Servers servers;
    const auto big = servers[ServerCertificate::Trusted].Root() / kDir / "BIG.TXT";
    std::ofstream(big, std::ios::binary) << std::string(kWindowCap + 1, 'x');
    // An empty directory goes to a port where nobody listens.
    const std::string nobody = "https://127.0.0.1:" + std::to_string(testing::FreeProxyPort());
    struct Case {
        const char* name;
        std::string directory;
        const char* step;
        const char* message; // a part of it
        int code = 0;
        const char* file = "KARB.TXT";
        ServerCertificate certificate = ServerCertificate::Trusted;
        int transferTimeout = nettexts::DefaultTransferTimeoutMs;
    } cases[] = {
        {"connection refused", "", "Login", "HTTPS to 127.0.0.1:"},
        {"certificate for another name", kDir, "Login", "subject name", 0, "KARB.TXT",
         ServerCertificate::WrongName},
        {"untrusted certificate", kDir, "Login", "local issuer certificate", 0, "KARB.TXT",
         ServerCertificate::Stranger},
        {"redirect to http", std::string("redirect-http/") + kDir, "Login",
         "a redirect to other than https was refused"},
        {"endless redirects", "redirect-loop", "Login", "redirects"},
        {"401", "status/401", "Login", "401 Unauthorized", 401},
        {"403", "status/403", "Login", "403 Forbidden", 403},
        {"404", kDir, "Download",
         "The server has no XXXX.TXT in the directory data/observations/metar/decoded on "
         "127.0.0.1:",
         404, "XXXX.TXT"},
        {"500", "status/500", "Download", "HTTP/1.0 500 Internal Server Error", 500},
        {"over the cap, sized", kDir, "Download",
         "Download larger than the limit (bytes) of 1048577", 0, "BIG.TXT"},
        {"over the cap, unsized", std::string("unsized/") + kDir, "Download",
         "Download larger than the limit (bytes) of 1048577", 0, "BIG.TXT"},
        {"silent", "silent", "Login", "No data within the time-out (ms) of 300", 0, "F.TXT"},
        {"trickling", std::string("trickle/") + kDir, "Download",
         "Transfer below the limit (bytes per second) of 1024"},
        {"header trickling", "header-trickle", "Login",
         "Transfer below the limit (bytes per second) of 1024", 0, "F.TXT"},
        {"header of 1 MB", "big-header", "Login",
         "Response header larger than the limit (bytes) of 65536", 0, "F.TXT"},
        {"status text of 60 KB", "long-status", "Download", "LLLL...", 500, "F.TXT"},
        {"past the whole transfer's limit", "silent", "Login",
         "Transfer not done within the limit (ms) of 200", 0, "F.TXT", ServerCertificate::Trusted,
         200},
    };
    for (const auto& c : cases) {
        HttpsTestServer& server = servers[c.certificate];
        HttpsClient client;
        client.CaFile = server.CaFile(); // the CA of the server's own certificates
        client.MaxDownloadSize = kWindowCap;
        client.IdleTimeout = 300;
        client.TransferTimeout = c.transferTimeout;
        const std::string host = c.certificate == ServerCertificate::Trusted && c.directory.empty()
                                     ? nobody
                                     : server.Host();
        const Outcome outcome = FetchWith(client, {host, std::nullopt, c.directory, c.file});
        EXPECT_EQ(outcome.step, c.step) << c.name;
        EXPECT_NE(outcome.message.find(c.message), std::string::npos)
            << c.name << ": " << outcome.message;
        EXPECT_EQ(outcome.code, c.code) << c.name;
        EXPECT_EQ(client.Report().Size(), 0u) << c.name;
        EXPECT_LT(outcome.message.size(), 300u) << c.name;
    }
}

TEST(HttpsClientTest, AbortEndsAWaitingRequestAndTheStepsAfterItUntilTheNextRequest) {
    HttpsTestServer server;
    HttpsClient client;
    client.CaFile = server.CaFile();
    client.IdleTimeout = 60000;
    client.SetRequest({server.Host(), std::nullopt, "silent", "F.TXT"});
    std::optional<ETcpIpError> error;
    std::thread worker([&] { error = Thrown<ETcpIpError>([&] { client.Login(); }); });
    server.AwaitSilentRequest();
    const auto start = std::chrono::steady_clock::now();
    client.Abort();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->what(), "Transfer aborted");
    for (const auto& step : std::initializer_list<std::function<void()>>{
             [&] { client.Login(); }, [&] { client.ChangeDir(); }, [&] { client.Download(); },
             [&] { client.Logout(); }}) {
        const auto thrown = Thrown<ETcpIpError>(step);
        ASSERT_TRUE(thrown);
        EXPECT_STREQ(thrown->what(), "Transfer aborted");
    }
    EXPECT_EQ(FetchWith(client, {server.Host(), std::nullopt, kDir, "KARB.TXT"}).step, "fetched");
}

// A CA bundle that cannot verify anything is named in the error, which no connection caused.
TEST(HttpsClientTest, ACaBundleThatCannotBeUsedIsNamed) {
    HttpsTestServer server;
    testing::TempDir dir;
    const std::string garbage = (dir.Path() / "garbage.pem").string();
    std::ofstream(garbage) << "not a certificate\n";
    const std::string missing = (dir.Path() / "missing.pem").string();
    const std::string folder = dir.Path().string();
    struct Case {
        std::string caFile;
        std::string message;
    } cases[] = {
        {missing, "The CA bundle " + missing + " does not exist"},
        {folder, "The CA bundle " + folder + " is not a regular file"},
        {garbage, "The CA bundle " + garbage + " could not be read: "},
    };
    for (const auto& c : cases) {
        HttpsClient client;
        client.CaFile = c.caFile;
        client.SetRequest({server.Host(), std::nullopt, kDir, "KARB.TXT"});
        const auto error = Thrown<ECaBundleError>([&] { client.Login(); });
        ASSERT_TRUE(error) << c.caFile;
        EXPECT_EQ(std::string(error->what()).substr(0, c.message.size()), c.message);
    }
}

// What a server planted in a validator goes back to it only when it is a plain, short value:
// a CR would end the header early and start one of the server's choosing.
TEST(HttpsClientTest, OnlyAPlainShortValidatorIsSentBack) {
    HttpsTestServer server;
    struct Case {
        const char* planted; // a validator of https_server.py's /planted/
        bool sentBack;
    } cases[] = {
        {"etag", true},      {"time", true},     {"etag-cr", false},
        {"etag-esc", false}, {"time-cr", false}, {"etag-long", false},
    };
    for (const auto& c : cases) {
        HttpsClient client;
        client.CaFile = server.CaFile();
        const std::string directory = std::string("planted/") + c.planted + "/" + kDir;
        ASSERT_EQ(FetchWith(client, {server.Host(), std::nullopt, directory, "KARB.TXT"}).step,
                  "fetched")
            << c.planted;
        const Outcome again =
            FetchWith(client, {server.Host(), std::nullopt, directory, "KARB.TXT", true});
        EXPECT_EQ(again.step, "fetched") << c.planted << ": " << again.message;
        EXPECT_EQ(client.Unchanged(), c.sentBack) << c.planted;
        EXPECT_EQ(again.report.empty(), c.sentBack) << c.planted;
    }
}

// A validator belongs to the host, port, directory and station it came from, and only while no
// request went elsewhere: a request anywhere else between, even one that failed or went to the
// FTP client beside it, means the next one fetches the whole file.
TEST(HttpsClientTest, AValidatorGoesBackOnlyToItsPlaceWithNoOtherRequestBetween) {
    HttpsTestServer server;
    const std::string tagged = std::string("etag/") + kDir;
    const ReportRequest place{server.Host(), std::nullopt, tagged, "KARB.TXT"};
    const std::string report = testing::ReadFile(server.Root() / kDir / "KARB.TXT");
    constexpr const char* kFtp = "the FTP server";
    struct Case {
        const char* name;
        std::vector<ReportRequest> between;
        bool unchanged;
    } cases[] = {
        {"nothing between", {}, true},
        {"the same place between", {place}, true},
        {"an FTP server between", {{kFtp, std::nullopt, kDir, "KARB.TXT"}}, false},
        {"another name of the server between",
         {{"https://localhost:" + std::to_string(server.Port()), std::nullopt, tagged, "KARB.TXT"}},
         false},
        {"another port between",
         {{server.Host(), testing::FreeProxyPort(), tagged, "KARB.TXT"}},
         false},
        {"another directory text between",
         {{server.Host(), std::nullopt, tagged + "/", "KARB.TXT"}},
         false},
        {"another station between", {{server.Host(), std::nullopt, tagged, "EGLC.TXT"}}, false},
        {"a host text naming no server between",
         {{"https://user@host", std::nullopt, tagged, "KARB.TXT"}},
         false},
    };
    for (const auto& c : cases) {
        testing::FakeFtpServer ftpServer(
            [&](testing::FakeFtpSession& s) { s.ServeReport(report); });
        TFTP ftp;
        FtpReportClient ftpClient(ftp);
        HttpsClient https;
        https.CaFile = server.CaFile();
        RoutingClient client(ftpClient, https);
        ASSERT_EQ(FetchWith(client, place).step, "fetched") << c.name;
        for (ReportRequest request : c.between) {
            if (request.Host == kFtp)
                request.Host = "ftp://127.0.0.1:" + std::to_string(ftpServer.Port());
            FetchWith(client, request);
        }
        ReportRequest again = place;
        again.IfChanged = true;
        const Outcome outcome = FetchWith(client, again);
        EXPECT_EQ(outcome.step, "fetched") << c.name << ": " << outcome.message;
        EXPECT_EQ(client.Unchanged(), c.unchanged) << c.name;
        EXPECT_EQ(outcome.report == report, !c.unchanged) << c.name;
    }
}

TEST(HttpsClientTest, RefusesAHostThatIsNoHttpsServer) {
    HttpsClient client;
    for (const char* host : {"tgftp.nws.noaa.gov", "https://user@host", "https://host:0",
                             "https://host/path", "https://"}) {
        const Outcome outcome = FetchWith(client, {host, std::nullopt, kDir, "KARB.TXT"});
        EXPECT_EQ(outcome.step, "SetRequest") << host;
        EXPECT_NE(outcome.message.find(host), std::string::npos) << outcome.message;
    }
}

} // namespace
} // namespace stormbell
