#include "net/Ftp.h"

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeFtpServer.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using ::testing::_;
using testing::FakeFtpServer;
using testing::FakeFtpSession;
using ::testing::HasSubstr;
using ::testing::Matcher;
using Channel = FakeFtpSession::Channel;

// Small limits, so that every case ends in well under a second.
void UseSmallLimits(TFTP& ftp, const FakeFtpServer& server) {
    testing::AimAt(ftp, server.Port());
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

// What the client does once connected; the step's last call is the part that is timed.
enum class Step {
    Login,          ///< the FTP login
    Download,       ///< login and CWD, then the download of F.TXT into a stream holding "previous"
    ActiveDownload, ///< the same in active mode
    ReadLine,       ///< one line of the control connection, read without the FTP login
};

// Takes `step`, noting in `timedFrom` when its last call began.
void Take(TFTP& ftp, Step step, Clock::time_point& timedFrom) {
    std::string line;
    if (step == Step::ReadLine) {
        ftp.TTcpIp::Login();
    } else if (step != Step::Login) {
        ftp.Login();
        ftp.ChangeDir("reports");
        ftp.Stream().Write("previous", 8);
        ftp.Passive = step == Step::Download;
    }
    timedFrom = Clock::now();
    if (step == Step::ReadLine)
        ftp.ReadLine(line);
    else
        step == Step::Login ? ftp.Login() : ftp.Download();
}

// What ends the client's wait: the error by itself, within the transfer bound of `boundBytes`
// (0: no bound), an Abort once the server has run its script and falls silent, or the error at
// once, with time-outs that could not end the wait.
struct Ending {
    std::size_t boundBytes = 0;
    bool abortAtSilence = false;
    bool atOnce = false;
};
constexpr Ending kByItself{0, false};
constexpr Ending kAborted{0, true};
constexpr Ending kAtOnce{0, false, true};
constexpr Ending Within(std::size_t boundBytes) {
    return {boundBytes, false};
}
// Far beyond what any case takes: only the abort can end the waits of an aborted case.
constexpr int kNeverMs = 60000;
constexpr milliseconds kAtOnceBound{1000};

// One scripted server and what the client must make of it, as a curl test case is: the server's
// script, the client's step, the error (its message; the reply code of an EProtocolError, or 0
// for any other ETcpIpError), what ends the wait, and any check of what the error left behind.
struct ServerCase {
    const char* name;
    FakeFtpServer::Script script;
    Step step;
    Matcher<std::string> message;
    int code;
    Ending ends = kByItself;
    std::function<void(TFTP&, FakeFtpServer&)> after = {};
};

// Whatever spoilt a transfer, Logout releases both connections; QUIT goes only where the
// server is not still owed a reply.
std::function<void(TFTP&, FakeFtpServer&)> LogoutEndsTheSession(bool quit) {
    return [quit](TFTP& ftp, FakeFtpServer& server) {
        ftp.Logout();
        EXPECT_EQ(ftp.ControlSocket, NoSocketHandle);
        EXPECT_EQ(ftp.Socket, NoSocketHandle);
        server.Join();
        EXPECT_EQ(server.Error(), "");
        EXPECT_EQ(server.Commands().back() == "QUIT\r\n", quit);
    };
}

// Sends `bytes`, then hangs up or waits for the client to.
FakeFtpServer::Script Sends(const std::string& bytes, bool hangUp = false) {
    return [bytes, hangUp](FakeFtpSession& s) {
        s.Send(bytes);
        if (!hangUp)
            s.WaitForClose();
    };
}

// Greets with `greeting` (none: the usual login and CWD), answers each command with the next of
// `replies`, then waits for the client to close.
FakeFtpServer::Script Replies(std::vector<std::string> replies, const char* greeting = nullptr) {
    return [replies, greeting](FakeFtpSession& s) {
        greeting ? s.Reply(greeting) : s.LoginAndCwd();
        for (const auto& reply : replies)
            s.Answer(reply);
        s.WaitForClose();
    };
}

TEST(FtpServerCasesTest, EveryScriptedServerEndsInItsErrorWithinItsBoundOrAtAnAbort) {
    using Fault = FakeFtpSession::Fault;
    const std::string report(1000, 'r');
    const auto spoilt = [&](Fault fault) {
        return [&report, fault](FakeFtpSession& s) { s.ServeBroken(fault, report); };
    };
    const ServerCase cases[] = {
        // Unreadable, missing and refused replies.
        {"no code", Sends("Hi there\r\n", true), Step::Login, "here", 999},
        {"closed at once", Sends("", true), Step::Login,
         "The server closed the connection without a reply", 999},
        {"closed inside a reply", Sends("220-Welcome\r\n", true), Step::Login,
         "The server closed the connection without a reply", 999},
        {"empty reply", Sends("\r\n", true), Step::Login, "The server's reply had no text", 999},
        {"code alone", Sends("421\r\n", true), Step::Login, "The server's reply had no text", 421},
        {"password refused", Replies({"331 Password", "530 Login incorrect."}, "220 Ready"),
         Step::Login, "Login incorrect.", 530, kByItself,
         [](TFTP& ftp, FakeFtpServer&) {
             EXPECT_EQ(ftp.ReplyCode, 530);
             EXPECT_NE(ftp.ControlSocket, NoSocketHandle); // connected, not logged in
         }},
        {"refusal over several lines",
         Replies({"331 Password", "530-Login incorrect.\r\n530 Try again later.", "221 Goodbye"},
                 "220 Ready"),
         Step::Login, "Login incorrect.; Try again later.", 530, kByItself,
         LogoutEndsTheSession(true)},
        {"PASV not understood", Replies({"500 PASV not understood"}), Step::Download,
         "PASV not understood", 500},
        {"PASV answered 200", Replies({"200 Fine"}), Step::Download, "Fine", 200},
        // Replies out of the dialogue's order end the command at once, as does a 227 naming no
        // port.
        {"314 to PORT", Replies({"314 Odd"}), Step::ActiveDownload, "Odd", 314},
        {"314 to RETR", Replies({"200 PORT command successful", "314 Odd"}), Step::ActiveDownload,
         "Odd", 314},
        {"227 with 256", Replies({"227 Entering Passive Mode (127,0,0,1,1,256)"}), Step::Download,
         HasSubstr("The passive mode reply gave no address and port"), 0},
        {"active 150 then 425",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.Answer("200 PORT command successful");
             s.Answer("150 Opening");
             std::this_thread::sleep_for(milliseconds(50)); // the client is waiting by now
             s.Reply("425 Can't open data connection.");
             s.WaitForClose();
         },
         Step::ActiveDownload, "Can't open data connection.", 425},
        {"active 150 and 421 together",
         Replies({"200 PORT command successful", "150 Opening\r\n421 Closing"}),
         Step::ActiveDownload, "Closing", 421},
        // A refusal on the control connection while the data connection stays open and silent.
        {"passive 150, then 425 with the data held",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.OpenData();
             s.Reply("425 Can't open data connection.");
             s.AnswerUntilClose();
         },
         Step::Download, "Can't open data connection.", 425, kAtOnce, LogoutEndsTheSession(true)},
        {"passive 150 and 451 together with the data held",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.AnswerPasv();
             s.AcceptData();
             s.Answer("150 Opening\r\n451 Local error in processing.");
             s.WaitForClose();
         },
         Step::Download, "Local error in processing.", 451, kAtOnce},
        {"part of the file, then 426 with the data held",
         [&](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.OpenData();
             s.SendData(report.substr(0, 300));
             s.Reply("426 Connection closed; transfer aborted.");
             s.WaitForClose();
         },
         Step::Download, "Connection closed; transfer aborted.", 426, kAtOnce},
        {"active 150, then 425 with the data held",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             const std::string portCommand = s.ReadCommand();
             s.Reply("200 PORT command successful");
             s.Answer("150 Opening");
             s.ConnectData(portCommand);
             s.Reply("425 Can't open data connection.");
             s.WaitForClose();
         },
         Step::ActiveDownload, "Can't open data connection.", 425, kAtOnce},
        {"RETR refused",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.AnswerPasv();
             s.AcceptData();
             s.Answer("550 No such file.");
             s.WaitForClose();
         },
         Step::Download, "No such file.", 550, kByItself,
         [](TFTP& ftp, FakeFtpServer&) {
             EXPECT_EQ(testing::StreamText(ftp), "previous");
             EXPECT_EQ(ftp.SocketState(ftp.Socket), SocketState::Connected);
             EXPECT_NE(ftp.Socket, ftp.ControlSocket);
         }},
        {"transfer cut short",
         [&](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.OpenData();
             s.SendData(report.substr(0, 500));
             s.CloseData();
             s.Reply("426 Connection closed; transfer aborted.");
             s.WaitForClose();
         },
         Step::Download, "Connection closed; transfer aborted.", 426, kByItself,
         [](TFTP& ftp, FakeFtpServer&) {
             EXPECT_EQ(ftp.Stream().Size(), 500u);
             EXPECT_EQ(ftp.Stream().Position(), 0u);
         }},
        {"file too large",
         [&](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.OpenData();
             s.SendData(report + report);
             s.WaitForClose();
         },
         Step::Download, HasSubstr("limit (bytes) of 1000"), 0, kByItself,
         // Received in blocks: the one that crosses the limit is not taken in part.
         [](TFTP& ftp, FakeFtpServer&) { EXPECT_LT(ftp.Stream().Size(), 1000u); }},
        {"227 without address", spoilt(Fault::NoPasvAddress), Step::Download,
         HasSubstr("The passive mode reply gave no address and port"), 0, kByItself,
         LogoutEndsTheSession(true)},
        {"file not found", spoilt(Fault::Refused), Step::Download, "No such file or directory.",
         550, kByItself, LogoutEndsTheSession(true)},
#ifndef _WIN32 // under wine the fake server's reset reaches the client as an orderly end
        {"data connection reset", spoilt(Fault::ResetMidway), Step::Download,
         HasSubstr("The data connection failed before the end of the file"), 0, kByItself,
         LogoutEndsTheSession(false)},
#endif
        // Broken line ends and bytes.
        {"silent", [](FakeFtpSession& s) { s.WaitForClose(); }, Step::Login, _, 0},
        {"LF-only line ends",
         [](FakeFtpSession& s) {
             s.LfOnlyLineEnds = true;
             s.Reply("220 Ready");
             s.WaitForClose();
         },
         Step::Login, _, 0},
        {"endless line", Sends(std::string(3000, '2')), Step::Login, _, 0},
        {"NUL in a reply", Sends(std::string("220 Re\0ady\r\n", 12)), Step::Login, _, 0},
        {"NUL in a line", Sends(std::string("220 a\0b\r\n", 9)), Step::ReadLine, _, 0},
        {"endless raw line", Sends(std::string(5000, 'x')), Step::ReadLine,
         HasSubstr("limit (bytes) of 1000"), 0},
        {"silent peer", [](FakeFtpSession& s) { s.WaitForClose(); }, Step::ReadLine,
         HasSubstr("time-out (ms) of 300"), 0},
        // Endless or trickling replies and data.
        {"endless LF", [](FakeFtpSession& s) { s.SendRepeatedly(std::string(100, '\n'), 0); },
         Step::Login, HasSubstr("Line longer than the limit (bytes) of 1000"), 0, Within(2000)},
        {"endless CR", [](FakeFtpSession& s) { s.SendRepeatedly(std::string(100, '\r'), 0); },
         Step::Login, HasSubstr("Line longer than the limit (bytes) of 1000"), 0, Within(2000)},
        {"endless continuation",
         [](FakeFtpSession& s) {
             s.Send("220-Welcome\r\n");
             s.SendRepeatedly("220-and more\r\n", 0);
         },
         Step::Login, HasSubstr("Reply longer than the limit (bytes) of 2000"), 0, Within(2000)},
        {"one byte at a time", [](FakeFtpSession& s) { s.SendRepeatedly("2", 20); }, Step::Login,
         HasSubstr("Transfer below the limit (bytes per second) of 1000"), 0, Within(2000)},
        {"one line at a time",
         [](FakeFtpSession& s) {
             s.Send("220-Welcome\r\n");
             s.SendRepeatedly(" still here\r\n", 40);
         },
         Step::Login, HasSubstr("Transfer below the limit (bytes per second) of 1000"), 0,
         Within(2000)},
        {"trickling data",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.OpenData();
             s.SendRepeatedly("x", 20, Channel::Data);
         },
         Step::Download, HasSubstr("Transfer below the limit (bytes per second) of 1000"), 0,
         Within(1000)},
        // Every blocking wait ends at an abort.
        {"aborted awaiting the greeting", [](FakeFtpSession&) {}, Step::Login, "Transfer aborted",
         0, kAborted},
        {"aborted awaiting the CWD reply",
         [](FakeFtpSession& s) {
             s.Login();
             s.ReadCommand();
         },
         Step::Download, "Transfer aborted", 0, kAborted},
        {"aborted awaiting passive data",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.OpenData();
         },
         Step::Download, "Transfer aborted", 0, kAborted},
        {"aborted awaiting the active accept",
         [](FakeFtpSession& s) {
             s.LoginAndCwd();
             s.Answer("200 PORT command successful");
             s.Answer("150 Opening");
         },
         Step::ActiveDownload, "Transfer aborted", 0, kAborted},
    };
    for (const auto& c : cases) {
        const bool abort = c.ends.abortAtSilence;
        std::promise<void> silent;
        FakeFtpServer server([&](FakeFtpSession& s) {
            c.script(s);
            if (abort) {
                silent.set_value();
                s.WaitForClose();
            }
        });
        {
            TFTP ftp;
            UseSmallLimits(ftp, server);
            if (abort || c.ends.atOnce)
                ftp.ConnectTimeout = ftp.IdleTimeout = kNeverMs;
            ftp.URI = "F.TXT";
            std::optional<std::string> message;
            int code = 0;
            Clock::time_point timedFrom;
            const auto attempt = [&] {
                try {
                    Take(ftp, c.step, timedFrom);
                } catch (const EProtocolError& error) {
                    message = error.what();
                    code = error.ErrorCode;
                    EXPECT_EQ(error.Protocol, "FTP") << c.name;
                } catch (const ETcpIpError& error) {
                    message = error.what();
                }
            };
            if (abort) {
                std::thread worker(attempt);
                silent.get_future().wait();
                const auto abortedAt = Clock::now();
                ftp.Abort();
                worker.join();
                EXPECT_LT(Clock::now() - abortedAt, milliseconds(500)) << c.name;
            } else {
                attempt();
                if (c.ends.boundBytes != 0) {
                    EXPECT_LT(Clock::now() - timedFrom, TransferBound(ftp, c.ends.boundBytes))
                        << c.name;
                }
                if (c.ends.atOnce) {
                    EXPECT_LT(Clock::now() - timedFrom, kAtOnceBound) << c.name;
                }
            }
            ASSERT_TRUE(message) << c.name;
            EXPECT_THAT(*message, c.message) << c.name;
            EXPECT_EQ(code, c.code) << c.name;
            if (c.after)
                c.after(ftp, server);
        } // an aborted client goes with its connections open
        if (abort) {
            server.Join();
            EXPECT_EQ(server.Error(), "") << c.name;
        }
    }
}

// A server steady enough for every other limit still cannot hold a session past the whole
// transfer's limit, counted from the login.
TEST(FtpServerCasesTest, NoSessionOutlastsTheTransferLimit) {
    FakeFtpServer server([](FakeFtpSession& s) {
        s.LoginAndCwd();
        s.OpenData();
        s.SendRepeatedly("x", 20, Channel::Data);
    });
    TFTP ftp;
    UseSmallLimits(ftp, server);
    ftp.LowSpeedLimit = 0;
    ftp.MaxDownloadSize = 1000000;
    ftp.TransferTimeout = 500;
    ftp.URI = "F.TXT";
    Clock::time_point timedFrom;
    const auto start = Clock::now();
    const auto error = Thrown<ETcpIpError>([&] { Take(ftp, Step::Download, timedFrom); });
    ASSERT_TRUE(error);
    EXPECT_THAT(error->what(), HasSubstr("Transfer not done within the limit (ms) of 500"));
    EXPECT_LT(Clock::now() - start, milliseconds(800));
}

// The client announces its listener on the control connection's address and takes the data
// connection only from the server.
TEST(FtpServerCasesTest, ActiveModeTakesTheDataConnectionOnlyFromTheServer) {
    const std::string data = testing::Pattern(10000);
    struct Case {
        const char* name;
        bool strangerFirst, serverConnects;
    } cases[] = {{"server alone", false, true},
                 {"stranger first", true, true},
                 {"stranger alone", true, false}};
    for (const auto& c : cases) {
        std::string portCommand;
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.Login();
            portCommand = s.ReadCommand();
            s.Reply("200 PORT command successful");
            s.Answer("150 Opening");
            if (c.strangerFirst) {
                s.ConnectData(portCommand, "127.0.0.2");
                s.SendData("forged report");
                s.CloseData();
            }
            if (c.serverConnects) {
                s.ConnectData(portCommand);
                s.SendData(data);
                s.CloseData();
                s.Reply("226 Done");
            }
            s.WaitForClose();
        });
        {
            TFTP ftp;
            UseSmallLimits(ftp, server);
            ftp.MaxDownloadSize = data.size();
            ftp.Login();
            ftp.Passive = false;
            ftp.URI = "F.TXT";
            const auto start = Clock::now();
            const auto error = Thrown<ETcpIpError>([&] { ftp.Download(); });
            const auto taken = Clock::now() - start;
            if (c.serverConnects) {
                EXPECT_FALSE(error) << c.name;
                EXPECT_TRUE(testing::StreamText(ftp) == data) << c.name;
                EXPECT_EQ(ftp.Socket, NoSocketHandle) << c.name;
            } else {
                ASSERT_TRUE(error) << c.name;
                EXPECT_THAT(error->what(), HasSubstr("refused a connection from 127.0.0.2"));
                EXPECT_LT(taken, milliseconds(2 * ftp.ConnectTimeout));
            }
        }
        server.Join();
        if (!c.strangerFirst) {
            EXPECT_EQ(server.Error(), "");
        }
        EXPECT_THAT(portCommand, ::testing::StartsWith("PORT 127,0,0,1,")) << c.name;
        EXPECT_THAT(portCommand, ::testing::EndsWith("\r\n")) << c.name;
    }
}

} // namespace
} // namespace stormbell
