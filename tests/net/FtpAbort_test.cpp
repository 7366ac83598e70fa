#include "net/Ftp.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include <gmock/gmock.h>
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
    ftp.Hostname = "F#F127.0.0.1";
    ftp.NewFTPPort = server.Port();
    ftp.ConnectTimeout = kNeverMs;
    ftp.IdleTimeout = kNeverMs;
    ftp.Login();
}

// Runs `operation` on a thread of its own, aborts it once the server says the client waits,
// and returns the time from the abort to the operation's end along with its error.
struct AbortedRun {
    std::optional<ETcpIpError> error;
    Clock::duration afterAbort;
};
AbortedRun AbortWhileWaiting(TFTP& ftp, std::future<void> waiting,
                             const std::function<void()>& operation) {
    AbortedRun run;
    std::thread worker([&] { run.error = Thrown<ETcpIpError>(operation); });
    waiting.wait();
    const auto start = Clock::now();
    ftp.Abort();
    worker.join();
    run.afterAbort = Clock::now() - start;
    return run;
}

TEST(FtpAbortTest, EveryBlockingWaitEndsPromptly) {
    struct Case {
        const char* name;
        bool loggedIn, passive;
        std::function<void(FakeFtpSession&)> untilWaiting; // the server's part before silence
        std::function<void(TFTP&)> operation;
    } cases[] = {
        {"greeting", false, true, [](FakeFtpSession&) {}, [](TFTP& ftp) { ftp.Login(); }},
        {"CWD reply", true, true, [](FakeFtpSession& s) { s.ReadCommand(); },
         [](TFTP& ftp) { ftp.ChangeDir("data"); }},
        {"passive data", true, true,
         [](FakeFtpSession& s) {
             s.AnswerPasv();
             s.AcceptData();
             s.Answer("150 Opening");
         },
         [](TFTP& ftp) { ftp.Download(); }},
        {"active accept", true, false,
         [](FakeFtpSession& s) {
             s.Answer("200 PORT command successful");
             s.Answer("150 Opening");
         },
         [](TFTP& ftp) { ftp.Download(); }},
    };
    for (const auto& c : cases) {
        std::promise<void> waiting;
        FakeFtpServer server([&](FakeFtpSession& s) {
            if (c.loggedIn)
                s.Login();
            c.untilWaiting(s);
            waiting.set_value();
            s.WaitForClose();
        });
        {
            TFTP ftp;
            ftp.URI = "F.TXT";
            ftp.Passive = c.passive;
            std::function<void()> operation = [&] { c.operation(ftp); };
            if (c.loggedIn)
                LoginTo(ftp, server);
            else
                operation = [&] { LoginTo(ftp, server); };
            const AbortedRun run = AbortWhileWaiting(ftp, waiting.get_future(), operation);
            ASSERT_TRUE(run.error) << c.name;
            EXPECT_STREQ(run.error->what(), "Transfer aborted") << c.name;
            EXPECT_LT(run.afterAbort, kPromptly) << c.name;
        } // destroyed after the abort, with connections open
        server.Join();
        EXPECT_EQ(server.Error(), "") << c.name;
    }
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
             [&] { ftp.ChangeDir("data"); }, [&] { ftp.Download(); }, [&] { ftp.Upload(); },
             [&] { ftp.SendCommand("NOOP\r\n"); }, [&] { ftp.Logout(); }}) {
        const auto error = Thrown<ETcpIpError>(operation);
        ASSERT_TRUE(error);
        EXPECT_STREQ(error->what(), "Transfer aborted");
    }
    EXPECT_EQ(ftp.ControlSocket, NoSocketHandle); // Logout still let the connection go
    server.Join();
    EXPECT_EQ(server.Commands().size(), 3u); // USER, PASS, TYPE I only

    FakeFtpServer next([](FakeFtpSession& s) {
        s.Login();
        s.Answer("250 CWD command successful");
        s.Answer("221 Goodbye");
    });
    LoginTo(ftp, next);
    EXPECT_NO_THROW(ftp.ChangeDir("data"));
    EXPECT_NO_THROW(ftp.Logout());
}

TEST(FtpAbortTest, ARaisedSignalEndsAConnectAtOnce) {
    // A listener whose backlog is full never completes a further connection.
    const SocketHandle listener = CreateTcpSocket();
    ASSERT_TRUE(BindSocket(listener, {inet_addr("127.0.0.1"), 0}));
    ASSERT_TRUE(ListenOnSocket(listener, 0));
    SocketEndpoint local;
    ASSERT_TRUE(LocalEndOfSocket(listener, local));
    local.Address = inet_addr("127.0.0.1");
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
