#include "net/Ftp.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeFtpServer.h"
#include "platform/TextConvert.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using testing::FakeFtpServer;
using testing::FakeFtpSession;
using ::testing::HasSubstr;
using Channel = FakeFtpSession::Channel;

// Small limits, so that every case ends in well under a second.
void UseSmallLimits(TFTP& ftp, const FakeFtpServer& server) {
    ftp.Hostname = "F#F127.0.0.1";
    ftp.NewFTPPort = server.Port();
    ftp.ConnectTimeout = 300;
    ftp.IdleTimeout = 300;
    ftp.LowSpeedLimit = 1000;
    ftp.MaxLineLength = 1000;
    ftp.MaxReplyLength = 2000;
    ftp.MaxDownloadSize = 1000;
}

// The documented bound on a transfer of at most `bytes`: IdleTimeout x (1 + bytes /
// (LowSpeedLimit x IdleTimeout)).
milliseconds TransferBound(const TFTP& ftp, std::size_t bytes) {
    const double perWindow = static_cast<double>(ftp.LowSpeedLimit) * ftp.IdleTimeout / 1000;
    return milliseconds(static_cast<long long>(ftp.IdleTimeout * (1 + bytes / perWindow)));
}

void ServeUntilData(FakeFtpSession& s) {
    s.Login();
    s.AnswerPasv();
    s.AcceptData();
    s.Answer("150 Opening");
}

TEST(FtpHostileServerTest, EndlessOrTricklingRepliesAndDataEndWithinTheirBound) {
    struct Case {
        const char* name;
        FakeFtpServer::Script script;
        bool download; // else the greeting is the hostile reply
        const char* message;
    } cases[] = {
        {"endless LF", [](FakeFtpSession& s) { s.SendRepeatedly(std::string(100, '\n'), 0); },
         false, "Line longer than the limit (bytes) of 1000"},
        {"endless CR", [](FakeFtpSession& s) { s.SendRepeatedly(std::string(100, '\r'), 0); },
         false, "Line longer than the limit (bytes) of 1000"},
        {"endless continuation",
         [](FakeFtpSession& s) {
             s.Send("220-Welcome\r\n");
             s.SendRepeatedly("220-and more\r\n", 0);
         },
         false, "Reply longer than the limit (bytes) of 2000"},
        {"one byte at a time", [](FakeFtpSession& s) { s.SendRepeatedly("2", 20); }, false,
         "Transfer below the limit (bytes per second) of 1000"},
        {"one line at a time",
         [](FakeFtpSession& s) {
             s.Send("220-Welcome\r\n");
             s.SendRepeatedly(" still here\r\n", 40);
         },
         false, "Transfer below the limit (bytes per second) of 1000"},
        {"trickling data",
         [](FakeFtpSession& s) {
             ServeUntilData(s);
             s.SendRepeatedly("x", 20, Channel::Data);
         },
         true, "Transfer below the limit (bytes per second) of 1000"},
    };
    for (const auto& c : cases) {
        FakeFtpServer server(c.script);
        TFTP ftp;
        UseSmallLimits(ftp, server);
        ftp.URI = "F.TXT";
        if (c.download)
            ftp.Login();
        const auto start = Clock::now();
        const auto error = Thrown<ETcpIpError>([&] { c.download ? ftp.Download() : ftp.Login(); });
        const auto taken = Clock::now() - start;
        ASSERT_TRUE(error) << c.name;
        EXPECT_THAT(error->what(), HasSubstr(c.message)) << c.name;
        const auto bound =
            TransferBound(ftp, c.download ? ftp.MaxDownloadSize : ftp.MaxReplyLength);
        EXPECT_LT(taken, bound) << c.name;
    }
}

TEST(FtpHostileServerTest, ActiveModeTakesTheDataConnectionOnlyFromTheServer) {
    struct Case {
        const char* name;
        bool serverConnects;
    } cases[] = {{"stranger first", true}, {"stranger alone", false}};
    for (const auto& c : cases) {
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.Login();
            const std::string portCommand = s.ReadCommand();
            s.Reply("200 PORT command successful");
            s.Answer("150 Opening");
            s.ConnectData(portCommand, "127.0.0.2");
            s.SendData("forged report");
            s.CloseData();
            if (c.serverConnects) {
                s.ConnectData(portCommand);
                s.SendData("true report");
                s.CloseData();
                s.Reply("226 Done");
            }
            s.WaitForClose();
        });
        std::vector<std::string> traces;
        TFTP ftp;
        UseSmallLimits(ftp, server);
        ftp.Login();
        ftp.Passive = false;
        ftp.URI = "F.TXT";
        ftp.OnTrace = [&](const std::string& text, bool) { traces.push_back(text); };
        const auto start = Clock::now();
        const auto error = Thrown<ETcpIpError>([&] { ftp.Download(); });
        const auto taken = Clock::now() - start;
        EXPECT_THAT(traces, ::testing::Contains(HasSubstr("Refused a connection from 127.0.0.2")))
            << c.name;
        if (c.serverConnects) {
            EXPECT_FALSE(error) << c.name;
            EXPECT_EQ(std::string(ftp.Stream().Data(), ftp.Stream().Size()), "true report");
        } else {
            ASSERT_TRUE(error) << c.name;
            EXPECT_THAT(error->what(), HasSubstr("refused a connection from 127.0.0.2"));
            EXPECT_LT(taken, milliseconds(2 * ftp.ConnectTimeout));
        }
    }
}

} // namespace
} // namespace stormbell
