#include "net/Ftp.h"

#include <cerrno>
#include <chrono>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "FakeFtpServer.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using Clock = std::chrono::steady_clock;
using testing::FakeFtpServer;
using testing::FakeFtpSession;

// Far beyond what any case takes: only the abort can end the waits in these tests.
constexpr int kNeverMs = 60000;
constexpr auto kPromptly = std::chrono::milliseconds(500);

void LoginTo(TFTP& ftp, const FakeFtpServer& server) {
    testing::AimAt(ftp, server.Port());
    ftp.ConnectTimeout = kNeverMs;
    ftp.IdleTimeout = kNeverMs;
    ftp.Login();
}

TEST(FtpAbortTest, OperationsAfterAnAbortFailAtOnceUntilTheNextLogin) {
    FakeFtpServer server([](FakeFtpSession& s) {
        s.Login();
        s.WaitForClose();
    });
    TFTP ftp;
    LoginTo(ftp, server);
    ftp.Abort();
    ftp.URI = "F.TXT";
    for (const auto& operation : std::initializer_list<std::function<void()>>{
             [&] { ftp.ChangeDir("data"); }, [&] { ftp.Download(); }, [&] { ftp.Logout(); }}) {
        const auto error = Thrown<ETcpIpError>(operation);
        ASSERT_TRUE(error);
        EXPECT_STREQ(error->what(), "Transfer aborted");
    }
    EXPECT_EQ(ftp.ControlSocket, NoSocketHandle); // Logout still let the connection go
    server.Join();
    EXPECT_EQ(server.Commands().size(), 3u); // USER, PASS, TYPE I only

    FakeFtpServer next([](FakeFtpSession& s) {
        s.Login();
        s.Answer("221 Goodbye");
    });
    LoginTo(ftp, next);
    EXPECT_NO_THROW(ftp.Logout());
}

TEST(FtpAbortTest, ARaisedSignalEndsAConnectAtOnce) {
    // A listener whose backlog is full never completes a further connection.
    const SocketHandle listener = CreateTcpSocket();
    ASSERT_TRUE(BindSocket(listener, {ParseDottedAddress("127.0.0.1"), 0}));
    ASSERT_TRUE(ListenOnSocket(listener, 0));
    SocketEndpoint local;
    ASSERT_TRUE(LocalEndOfSocket(listener, local));
    const SocketHandle fillers[] = {CreateTcpSocket(), CreateTcpSocket()};
    for (const SocketHandle filler : fillers)
        ConnectSocket(filler, local, 100);

    WakeSignal wake;
    wake.Raise();
    const SocketHandle s = CreateTcpSocket();
    const auto start = Clock::now();
    EXPECT_FALSE(ConnectSocket(s, local, kNeverMs, &wake));
    EXPECT_EQ(LastSocketError(), ECANCELED);
    EXPECT_LT(Clock::now() - start, kPromptly);
    wake.Clear(); // a cleared signal lets the waits block again
    EXPECT_EQ(WaitReadable(fillers[0], 1, &wake), WaitResult::TimedOut);
    for (const SocketHandle h : {s, fillers[0], fillers[1], listener})
        CloseSocketHandle(h);
}

} // namespace
} // namespace stormbell
