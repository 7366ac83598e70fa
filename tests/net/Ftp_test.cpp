#include "net/Ftp.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeFtpServer.h"
#include "platform/TextConvert.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using testing::AimAt;
using ::testing::ElementsAreArray;
using testing::FakeFtpServer;
using testing::FakeFtpSession;
using testing::Pattern;
using testing::StreamText;

std::vector<std::string> LoginAnd(std::vector<std::string> more) {
    std::vector<std::string> commands = {"USER ftp\r\n", "PASS stormbell@home\r\n", "TYPE I\r\n"};
    commands.insert(commands.end(), more.begin(), more.end());
    return commands;
}

void Connect(TFTP& ftp, const FakeFtpServer& server) {
    AimAt(ftp, server.Port());
    ftp.IdleTimeout = 5000;
}

void LoginTo(TFTP& ftp, const FakeFtpServer& server) {
    Connect(ftp, server);
    ftp.Login();
}

// The login name, password and passive mode show in every dialogue the tests check.
TEST(FtpTest, StartsWithTheDefaults) {
    TFTP ftp;
    EXPECT_EQ(ftp.ServerPort, 21);
    EXPECT_EQ(ftp.Port, 0); // active mode listens where the system says
    EXPECT_EQ(ftp.ControlSocket, NoSocketHandle);
    EXPECT_EQ(ftp.ReplyCode, 0);
    EXPECT_TRUE(ftp.URI.empty());
    EXPECT_NO_THROW(ftp.Logout()); // without a session it sends nothing
    EXPECT_EQ(ftp.Socket, NoSocketHandle);
}

// The last reply of the login is TYPE I's, however the server wrote the replies before it.
TEST(FtpTest, RepliesArriveWhicheverWayTheServerWritesThem) {
    const std::string greeting = "220 Ready\r\n";
    const std::vector<std::string> answers = {"331 Password", "230 In", "200 Binary"};
    struct Case {
        const char* name;
        bool oneByteEach;
        std::string greeting;
        std::vector<std::string> answers;
        const char* lastReply;
    } cases[] = {
        {"plain", false, greeting, answers, "200 Binary"},
        {"one byte per write", true, greeting, answers, "200 Binary"},
        {"several replies in one write",
         false,
         greeting + "331 Password\r\n230 In\r\n200 Binary\r\n",
         {},
         "200 Binary"},
        // Only the line with the code and a blank ends a reply, whatever lines come between.
        {"a reply runs to its last line", false, "220-Welcome\r\nHello\r\n" + greeting, answers,
         "200 Binary"},
    };
    for (const auto& c : cases) {
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.OneBytePerWrite = c.oneByteEach;
            s.Send(c.greeting);
            for (const auto& answer : c.answers)
                s.Answer(answer);
            // Only reads: a reply the client never takes would let some systems reset the
            // connection and drop the commands not yet read.
            while (!s.ReadCommand().empty()) {
            }
        });
        {
            TFTP ftp;
            LoginTo(ftp, server);
            EXPECT_EQ(IntToStr(ftp.ReplyCode) + " " + ftp.ReplyText, c.lastReply) << c.name;
        }
        server.Join();
        EXPECT_THAT(server.Commands(), ElementsAreArray(LoginAnd({}))) << c.name;
    }
}

TEST(FtpTest, MultiLineRepliesKeepTheirFirstLine) {
    FakeFtpServer server([](FakeFtpSession& s) {
        s.Send("220-Welcome\r\n220-second line\r\n220 Ready\r\n");
        s.Answer("331-Password please\r\n more text\r\n331 end");
        s.Answer("230 In");
        s.Answer("200 Binary");
        s.WaitForClose();
    });
    TFTP ftp;
    Connect(ftp, server);
    ftp.TTcpIp::Login();
    ftp.ControlSocket = ftp.Socket;
    ftp.ReadReply(TFTP::Expected::Completion);
    EXPECT_EQ(ftp.ReplyCode, 220);
    EXPECT_EQ(ftp.ReplyText, "Welcome");
    ftp.SendCommand("USER ftp\r\n");
    ftp.ReadReply(TFTP::Expected::CompletionOrMore);
    EXPECT_EQ(ftp.ReplyCode, 331);
    EXPECT_EQ(ftp.ReplyText, "Password please");
    ftp.SendCommand("PASS x\r\n");
    ftp.ReadReply(TFTP::Expected::Completion);
    EXPECT_EQ(ftp.ReplyText, "In"); // the continuation lines were all consumed
}

// A reply without a usable port would leave no data connection, and the transfer could pass for
// an empty file: it is an error before RETR.
TEST(FtpTest, PasvRepliesGiveOnlyThePort) {
    struct Case {
        const char* numbers;
        int port; // 0: refused
    } cases[] = {
        {"(192,0,2,10,19,137)", 5001}, {"(192,0,2,10,200,10)", 51210},
        {"192,0,2,10,19,137", 0},                                 // no parentheses
        {"(192,0,2,10,ab,cd)", 0},     {"(192,0,2,10,256,0)", 0}, // each number is a byte
        {"(192,0,2,300,19,137)", 0},   {"()", 0},
    };
    for (const auto& c : cases) {
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.Login();
            s.Answer(std::string("227 Entering Passive Mode ") + c.numbers);
            if (c.port != 0)
                s.Answer("425 Can't open data connection");
            s.AnswerUntilClose();
        });
        TFTP ftp;
        LoginTo(ftp, server);
        ftp.Stream().Write("old", 3);
        ftp.URI = "KJLN.TXT";
        if (c.port != 0) {
            const auto error = Thrown<EProtocolError>([&] { ftp.Download(); });
            ASSERT_TRUE(error) << c.numbers;
            EXPECT_EQ(error->ErrorCode, 425) << c.numbers;
            EXPECT_EQ(ftp.RemotePort, c.port) << c.numbers;
            EXPECT_EQ(ftp.RemoteAddress, ParseDottedAddress("127.0.0.1")) << c.numbers;
        } else {
            const auto error = Thrown<ETcpIpError>([&] { ftp.Download(); });
            ASSERT_TRUE(error) << c.numbers;
            EXPECT_EQ(error->what(), "The passive mode reply gave no address and port: 227 "
                                     "Entering Passive Mode " +
                                         std::string(c.numbers))
                << c.numbers;
            EXPECT_EQ(ftp.Socket, NoSocketHandle) << c.numbers;
        }
        EXPECT_EQ(StreamText(ftp), "old") << c.numbers;
        ftp.Logout(); // every reply was read whole: QUIT can still go
        server.Join();
        std::vector<std::string> sent = LoginAnd({"PASV\r\n"});
        if (c.port != 0)
            sent.push_back("RETR KJLN.TXT\r\n");
        sent.push_back("QUIT\r\n");
        EXPECT_EQ(server.Commands(), sent) << c.numbers;
    }
}

TEST(FtpTest, PortCommandNamesAddressAndPort) {
    EXPECT_EQ(PortCommand(ParseDottedAddress("10.0.0.5"), 21), "PORT 10,0,0,5,0,21\r\n");
    EXPECT_EQ(PortCommand(ParseDottedAddress("10.0.0.5"), 5001), "PORT 10,0,0,5,19,137\r\n");
    EXPECT_EQ(PortCommand(ParseDottedAddress("127.0.0.1"), 65535), "PORT 127,0,0,1,255,255\r\n");
}

// Every size comes whole in the exact dialogue, and the data connection goes to the control
// connection's host, whatever address PASV names.
TEST(FtpTest, DownloadsFilesOfAnySize) {
    for (const std::size_t size : {0u, 1u, 4096u, 10000u}) {
        const std::string data = Pattern(size);
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.LoginAndCwd();
            s.OpenData(size == 4096 ? "10,9,8,7" : "127,0,0,1");
            s.SendData(data);
            s.CloseData();
            s.Reply("226 Transfer complete");
            s.Answer("221 Goodbye");
        });
        TFTP ftp;
        LoginTo(ftp, server);
        ftp.ChangeDir("data/observations/metar/decoded");
        ftp.Stream().Write("old", 3);
        ftp.URI = "KJLN.TXT";
        ftp.Download();
        EXPECT_EQ(StreamText(ftp), data) << size;
        EXPECT_EQ(ftp.Stream().Position(), 0u);
        EXPECT_EQ(ftp.ReplyCode, 226);
        EXPECT_EQ(ftp.RemoteAddress, ParseDottedAddress("127.0.0.1"));
        ftp.Logout();
        EXPECT_EQ(ftp.Socket, NoSocketHandle);
        EXPECT_EQ(ftp.ControlSocket, NoSocketHandle);
        server.Join();
        EXPECT_EQ(server.Error(), "");
        EXPECT_THAT(server.Commands(),
                    ElementsAreArray(LoginAnd({"CWD data/observations/metar/decoded\r\n",
                                               "PASV\r\n", "RETR KJLN.TXT\r\n", "QUIT\r\n"})));
    }
}

// A completion reply that overtakes the data is early, not the end: the whole file still comes,
// and the reply is not waited for again.
TEST(FtpTest, ACompletionReplyBeforeTheDataEndsStillTakesTheWholeFile) {
    const std::string data = Pattern(10000);
    FakeFtpServer server([&](FakeFtpSession& s) {
        s.LoginAndCwd();
        s.OpenData();
        s.Reply("226 Transfer complete");
        s.SendData(data);
        s.CloseData();
        s.Answer("221 Goodbye");
    });
    TFTP ftp;
    LoginTo(ftp, server);
    ftp.ChangeDir("reports");
    ftp.URI = "KJLN.TXT";
    ftp.Download();
    EXPECT_EQ(StreamText(ftp), data);
    EXPECT_EQ(ftp.ReplyCode, 226);
    ftp.Logout();
    server.Join();
    EXPECT_EQ(server.Error(), "");
}

// Some servers connect at PORT already and send the start and the completion reply together:
// the connection waiting is still the file's, though the reply came first.
TEST(FtpTest, ActiveModeTakesAConnectionMadeAtPort) {
    const std::string data = Pattern(1000);
    FakeFtpServer server([&](FakeFtpSession& s) {
        s.Login();
        s.ConnectData(s.ReadCommand());
        s.Reply("200 Active data connection established");
        s.ReadCommand();
        s.SendData(data);
        s.CloseData();
        s.Send("125 Data connection already open\r\n226 Transfer complete\r\n");
        s.AnswerUntilClose();
    });
    TFTP ftp;
    LoginTo(ftp, server);
    ftp.Passive = false;
    ftp.URI = "KJLN.TXT";
    ftp.Download();
    EXPECT_EQ(StreamText(ftp), data);
}

TEST(FtpTest, DestructionClosesWithoutQuit) {
    FakeFtpServer server([](FakeFtpSession& s) {
        s.Login();
        s.AnswerPasv();
        s.AcceptData();
        s.Answer("550 No such file.");
        s.WaitForClose();
    });
    SocketHandle control, data;
    {
        TFTP ftp;
        LoginTo(ftp, server);
        ftp.URI = "NONE.TXT";
        EXPECT_THROW(ftp.Download(), EProtocolError); // leaves the data connection open
        control = ftp.ControlSocket;
        data = ftp.Socket;
    }
    server.Join();
    for (const SocketHandle closed : {control, data}) // a closed handle has no peer to ask for
        EXPECT_EQ(TTcpIp().SocketState(closed), SocketState::Failed);
    EXPECT_THAT(server.Commands(), ElementsAreArray(LoginAnd({"PASV\r\n", "RETR NONE.TXT\r\n"})));
}

// An empty file name sends nothing either, and leaves the stream as it was.
TEST(FtpTest, LineBreaksControlBytesAndOverlongNamesNeverReachTheWire) {
    FakeFtpServer server([](FakeFtpSession& s) {
        s.Login();
        s.Answer("250 CWD ok");
        s.Answer("250 CWD ok");
        s.WaitForClose();
    });
    {
        TFTP ftp;
        LoginTo(ftp, server);
        ftp.Stream().Write("kept", 4);
        ftp.Download();
        EXPECT_EQ(StreamText(ftp), "kept");
        EXPECT_EQ(ftp.Stream().Position(), 4u);
        const struct {
            std::string argument;
            const char* message; // nullptr: sent
        } cases[] = {
            {"A.TXT\r\nDELE B.TXT", "CR or LF refused in the directory"},
            {"A.TXT\nDELE B.TXT", "CR or LF refused in the directory"},
            {"A\rB", "CR or LF refused in the directory"},
            {std::string("A\0B", 3), "Control character refused in the directory"},
            {"A\x01Z", "Control character refused in the directory"},
            {"A\x7f", "Control character refused in the directory"},
            {std::string(256, 'd'), "The directory is longer than 255 bytes"},
            {std::string(255, 'd'), nullptr},
            {"caf\xE9\xFF", nullptr},
        };
        for (const auto& c : cases) {
            const auto error = Thrown<EProtocolError>([&] { ftp.ChangeDir(c.argument); });
            if (c.message == nullptr) {
                EXPECT_FALSE(error) << error->what();
                continue;
            }
            ASSERT_TRUE(error) << c.message;
            EXPECT_STREQ(error->what(), c.message);
            EXPECT_EQ(error->ErrorCode, 501);
            ftp.URI = c.argument;
            EXPECT_THROW(ftp.Download(), EProtocolError) << c.message;
        }
    }
    server.Join();
    // 0xFF is the Telnet escape: the control connection carries it doubled.
    EXPECT_THAT(server.Commands(),
                ElementsAreArray(LoginAnd(
                    {"CWD " + std::string(255, 'd') + "\r\n", "CWD caf\xE9\xFF\xFF\r\n"})));

    FakeFtpServer unused([](FakeFtpSession& s) { s.WaitForClose(); });
    for (const bool inUser : {true, false}) {
        TFTP other;
        Connect(other, unused);
        (inUser ? other.Username : other.Password) = "ftp\r\nDELE X";
        EXPECT_THROW(other.Login(), EProtocolError);
        EXPECT_EQ(other.Socket, NoSocketHandle); // not even connected
    }
    unused.Join();
    EXPECT_FALSE(unused.Connected());
}

} // namespace
} // namespace stormbell
