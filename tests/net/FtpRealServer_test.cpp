#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#ifndef _WIN32
#include "PyFtpServer.h"
#endif
#include "net/Ftp.h"
#include "net/FtpReportClient.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

#ifdef _WIN32
TEST(FtpRealServerTest, NeedsPyftpdlib) {
    GTEST_SKIP() << "the real server is Debian's python3 with pyftpdlib, which a Windows program "
                    "cannot start";
}
#else

using testing::PyFtpServer;
using testing::ReportDirectory;

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string StreamText(TFTP& ftp) {
    return std::string(ftp.Stream().Data(), ftp.Stream().Size());
}

void LoginTo(TFTP& ftp, const PyFtpServer& server) {
    ftp.Hostname = "127.0.0.1";
    ftp.ServerPort = server.Port();
    ftp.Username = "anonymous";
    ftp.Login();
}

TEST(FtpRealServerTest, FetchesEveryReportPassivelyAndActively) {
    PyFtpServer server;
    int fetched = 0;
    for (const auto& entry : std::filesystem::directory_iterator(server.Root() / ReportDirectory)) {
        const std::string name = entry.path().filename().string();
        for (const bool passive : {true, false}) {
            TFTP ftp;
            LoginTo(ftp, server);
            ftp.ChangeDir(ReportDirectory);
            ftp.Passive = passive;
            ftp.URI = name;
            ftp.Download();
            EXPECT_EQ(StreamText(ftp), FileBytes(entry.path())) << name << " passive=" << passive;
            EXPECT_EQ(ftp.ReplyCode, 226);
            ftp.Logout();
            ++fetched;
        }
    }
    EXPECT_EQ(fetched, 14);
}

// Passive data connections over IPv6 go by EPSV; the server and its port come from the host text.
TEST(FtpRealServerTest, FetchesFromAnIpv6ServerNamedInBrackets) {
    PyFtpServer server(0, "::1");
    TFTP ftp;
    ftp.Username = "anonymous";
    FtpReportClient client(ftp);
    client.SetRequest(
        {" [::1]:" + std::to_string(server.Port()), std::nullopt, ReportDirectory, "KBFI.TXT"});
    client.Login();
    client.ChangeDir();
    client.Download();
    EXPECT_EQ(StreamText(ftp), FileBytes(server.Root() / ReportDirectory / "KBFI.TXT"));
    ftp.Passive = false;
    const auto active = Thrown<ETcpIpError>([&] { client.Download(); });
    ASSERT_TRUE(active);
    EXPECT_STREQ(active->what(), "Active mode needs an IPv4 server; this one is reached over IPv6");
    client.Logout();
}

TEST(FtpRealServerTest, MissingFileAndWrongDirectoryAreProtocolErrors) {
    PyFtpServer server;
    TFTP ftp;
    LoginTo(ftp, server);
    const auto cwdError =
        Thrown<EProtocolError>([&] { ftp.ChangeDir("data/observations/nowhere"); });
    ASSERT_TRUE(cwdError) << "changed into a missing directory";
    EXPECT_EQ(cwdError->ErrorCode, 550);
    ftp.ChangeDir(ReportDirectory);
    ftp.URI = "XXXX.TXT";
    const auto error = Thrown<EProtocolError>([&] { ftp.Download(); });
    ASSERT_TRUE(error) << "fetched a missing file";
    EXPECT_EQ(error->ErrorCode, 550);
    EXPECT_EQ(error->Protocol, "FTP");
}

#endif

} // namespace
} // namespace stormbell
