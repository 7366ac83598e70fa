#include "net/TcpIp.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeFtpServer.h"
#include "platform/TextConvert.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using ::testing::_;
using testing::AimAt;
using ::testing::ElementsAre;
using testing::FakeFtpServer;
using testing::FakeFtpSession;
using ::testing::Matcher;
using ::testing::StartsWith;

// A host name that cannot resolve and never reaches a name server: its label is too long.
const std::string UnresolvableName = std::string(70, 'x') + ".example";

std::uint32_t Address(const char* dotted) {
    return ParseDottedAddress(dotted);
}

struct TraceLog {
    std::vector<std::string> Lines;
    TraceHandler Handler() {
        return [this](const std::string& text, bool flag) {
            EXPECT_TRUE(flag);
            Lines.push_back(text);
        };
    }
};

void ConnectTo(TTcpIp& client, const FakeFtpServer& server) {
    AimAt(client, server.Port());
    client.Login();
}

TEST(TcpIpUtilityTest, PosNFindsTheNthOrLastOccurrence) {
    struct Case {
        const char* text;
        long long n, expected;
    } cases[] = {
        {"1,2,3,4,5,6", 4, 8}, {"1,2,3", 4, 4}, {"abc", 4, 0},   {"1,2,3", 1, 2},
        {"1,2,3", 0, 0},       {"", 1, 0},      {",,,,,", 5, 5}, {"1,2,3", -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PosN(",", c.text, c.n), c.expected) << c.text << " n=" << c.n;
    EXPECT_EQ(PosN("ab", "xabyabzab", 2), 5);
}

// Addresses are written most significant octet first; names and addresses both resolve.
TEST(TcpIpUtilityTest, AddressesGoToTextAndHostsToAddresses) {
    EXPECT_EQ(AddressToText(Address("10.1.2.3")), "10.1.2.3");
    EXPECT_EQ(AddressToText(Address("192.0.2.1")), "192.0.2.1");
    EXPECT_EQ(AddressToText(NoAddress), "255.255.255.255");
    EXPECT_EQ(AddressToText(0), "0.0.0.0");
    EXPECT_EQ(ResolveHost("10.1.2.3"), Address("10.1.2.3"));
    EXPECT_EQ(ResolveHost("localhost"), Address("127.0.0.1"));
    EXPECT_EQ(ResolveHost(""), NoAddress);
    EXPECT_EQ(ResolveHost(UnresolvableName), NoAddress);
    EXPECT_EQ(ResolveHost("255.255.255.255"), NoAddress); // falls through to the name lookup
}

TEST(TcpIpTest, PortMarkerChoosesNewFTPPortAndIsRemovedFromHostname) {
    FakeFtpServer first([](FakeFtpSession& s) { s.WaitForClose(); });
    FakeFtpServer second([](FakeFtpSession& s) { s.WaitForClose(); });
    TTcpIp client;
    ConnectTo(client, first);
    EXPECT_EQ(client.Hostname, "127.0.0.1");
    EXPECT_EQ(client.RemotePort, first.Port());
    EXPECT_EQ(client.RemoteAddress, Address("127.0.0.1"));
    EXPECT_EQ(client.SocketState(client.Socket), SocketState::Connected);
    EXPECT_FALSE(client.Eof());

    client.DefaultPort = second.Port(); // no marker now: DefaultPort is taken
    client.Login();
    EXPECT_EQ(client.RemotePort, second.Port());
    client.Logout();
    EXPECT_EQ(client.Socket, NoSocketHandle);
    first.Join();
    second.Join();
    EXPECT_TRUE(first.Connected());
    EXPECT_TRUE(second.Connected());
}

// What a failed login threw: the error's kind, its code for a socket error, and its text.
std::string LoginFailure(TTcpIp& client) {
    try {
        client.Login();
        return "connected";
    } catch (const ESocketError& error) {
        return "socket error " + IntToStr(error.ErrorCode) + ": " + error.what();
    } catch (const ETcpIpError& error) {
        return std::string("TCP/IP error: ") + error.what();
    } catch (const std::out_of_range& error) {
        return std::string("range error: ") + error.what();
    }
}

TEST(TcpIpTest, FailedLoginsRaiseTheirErrorAndLeaveNoSocket) {
    // A listener whose backlog is full leaves further connection attempts unanswered.
    TTcpIp listener;
    listener.OpenInputSocket(0, Address("127.0.0.1"));
    ASSERT_TRUE(ListenOnSocket(listener.Socket, 0));
    SocketEndpoint local;
    ASSERT_TRUE(LocalEndOfSocket(listener.Socket, local));
    std::vector<SocketHandle> fillers;
    for (int i = 0; i < 2; ++i) {
        fillers.push_back(CreateTcpSocket());
        ConnectSocket(fillers.back(), {Address("127.0.0.1"), local.Port}, 100);
    }
    const std::uint16_t unused = testing::UnusedPort();
    const std::string resolve = "TCP/IP error: Couldn't resolve hostname ";
    const std::string range = "range error: Port out of range 0..65535: ";
    struct Case {
        std::string hostname;
        std::int32_t port;
        Matcher<std::string> failure;
        const char* hostnameAfter = nullptr;
        Matcher<std::vector<std::string>> traces = _;
    } cases[] = {
        {"", 0, resolve},
        {"F#F" + UnresolvableName, 0, resolve + UnresolvableName},
        {"f#f" + UnresolvableName, 0, resolve + "f#f" + UnresolvableName},
        // Out of range, the marker is gone all the same.
        {"F#F127.0.0.1", 65536, range + "65536", "127.0.0.1"},
        {"F#F127.0.0.1", -1, range + "-1", "127.0.0.1"},
        {"F#F127.0.0.1", 100000, range + "100000", "127.0.0.1"},
        {"F#F127.0.0.1", unused,
         "socket error " + IntToStr(ECONNREFUSED) + ": Error creating socket", nullptr,
         ElementsAre(StartsWith("Closed socket ID "),
                     "Failed to open output socket " + IntToStr(unused) + " to host 127.0.0.1")},
        {"F#F127.0.0.1", local.Port, StartsWith("socket error " + IntToStr(ETIMEDOUT) + ": ")},
    };
    for (const auto& c : cases) {
        TraceLog traces;
        TTcpIp client;
        client.OnTrace = traces.Handler();
        client.ConnectTimeout = 200;
        client.Hostname = c.hostname;
        client.NewFTPPort = c.port;
        EXPECT_THAT(LoginFailure(client), c.failure) << c.hostname << " " << c.port;
        if (c.hostnameAfter) {
            EXPECT_EQ(client.Hostname, c.hostnameAfter);
        }
        EXPECT_THAT(traces.Lines, c.traces) << c.port;
        EXPECT_EQ(client.Socket, NoSocketHandle) << c.hostname << " " << c.port;
    }
    for (const SocketHandle filler : fillers)
        CloseSocketHandle(filler);
    TTcpIp client; // 65535 is a port: the attempt gets as far as connecting
    AimAt(client, 65535);
    LoginFailure(client);
    EXPECT_EQ(client.RemotePort, 65535);
}

TEST(TcpIpTest, TracesNameEverySocketStep) {
    FakeFtpServer server([](FakeFtpSession& s) {
        s.Send("abc");
        s.ReadCommand();
    });
    TraceLog traces;
    TTcpIp client;
    client.OnTrace = traces.Handler();
    ConnectTo(client, server);
    const std::string id = IntToStr(client.Socket);
    char buffer[16];
    EXPECT_EQ(client.Receive(buffer, sizeof buffer), 3);
    client.SendText("bye\r\n");
    client.Logout();
    server.Join();
    EXPECT_THAT(traces.Lines,
                ElementsAre("Opened output socket " + IntToStr(server.Port()) +
                                " to host 127.0.0.1 successfully; ID " + id,
                            "Received 3 bytes on socket ID " + id,
                            "Sent 5 bytes on socket ID " + id, "Closed socket ID " + id));
    EXPECT_THAT(server.Commands(), ElementsAre("bye\r\n"));
}

// Bytes past a line are kept for the next read.
TEST(TcpIpTest, ReadLineKeepsOnlyTextEndedByCrLf) {
    struct Case {
        std::string incoming;
        std::vector<std::string> lines;
        std::string rest;
        bool endsData;
    } cases[] = {
        {"220 ok\r\n", {"220 ok"}, "", false},
        {"a\nb\rc\r\n", {"abc"}, "", false},
        {"220 ok\r\n230 in\r\nrest", {"220 ok", "230 in"}, "rest", false},
        {"abc", {"previous"}, "", true}, // the peer closes without CR LF
        {"", {"previous"}, "", true},
    };
    for (const auto& c : cases) {
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.OneBytePerWrite = c.rest.empty();
            s.Send(c.incoming);
            if (!c.endsData)
                s.WaitForClose();
        });
        TTcpIp client;
        ConnectTo(client, server);
        for (const auto& expected : c.lines) {
            std::string line = "previous";
            client.ReadLine(line);
            EXPECT_EQ(line, expected) << c.incoming;
        }
        if (!c.rest.empty()) {
            char rest[16];
            const long count = client.Receive(rest, sizeof rest);
            EXPECT_EQ(std::string(rest, count > 0 ? count : 0), c.rest);
        }
        EXPECT_EQ(client.Eof(), c.endsData) << c.incoming;
    }
}

// Receiving ends the data; sends meet a reset connection, which must neither raise SIGPIPE nor
// throw (the first sends may still be taken); destruction closes the socket with a trace.
TEST(TcpIpTest, APeerThatHasGoneEndsTheDataAndSilencesSends) {
    FakeFtpServer server([](FakeFtpSession&) {});
    TraceLog traces;
    std::string id;
    {
        TTcpIp client;
        ConnectTo(client, server);
        server.Join();
        EXPECT_EQ(client.Receive(nullptr, 100), 0);
        EXPECT_TRUE(client.EndOfData);
        EXPECT_TRUE(client.Eof());
        const std::string block(65536, 'x');
        for (int i = 0; i < 50; ++i)
            EXPECT_NO_THROW(client.SendText(block));
        id = IntToStr(client.Socket);
        client.OnTrace = traces.Handler();
    }
    EXPECT_THAT(traces.Lines, ElementsAre("Closed socket ID " + id));
}

TEST(TcpIpTest, SocketStateTellsConnectedFromNotConnected) {
    TTcpIp client;
    EXPECT_EQ(client.SocketState(NoSocketHandle), SocketState::NoSocket);
    EXPECT_TRUE(client.Eof()); // no socket yet
    SocketHandle unconnected = CreateTcpSocket();
    EXPECT_EQ(client.SocketState(unconnected), SocketState::NotConnected);
    client.CloseSocket(unconnected);
    EXPECT_EQ(unconnected, NoSocketHandle);
    EXPECT_EQ(client.SocketState(1000000), SocketState::Failed); // no such handle
}

TEST(TcpIpTest, InputSocketListensAcceptsAndTraces) {
    TraceLog traces;
    TTcpIp client;
    client.OnTrace = traces.Handler();
    client.OpenInputSocket(0, Address("127.0.0.1"));
    ASSERT_NE(client.Socket, NoSocketHandle);
    const std::string id = IntToStr(client.Socket);
    SocketEndpoint local;
    ASSERT_TRUE(LocalEndOfSocket(client.Socket, local));

    const SocketHandle peer = CreateTcpSocket();
    ASSERT_TRUE(ConnectSocket(peer, {Address("127.0.0.1"), local.Port}, 1000));
    SocketEndpoint from;
    const SocketHandle accepted = client.AcceptConnection(client.Socket, from);
    ASSERT_NE(accepted, NoSocketHandle);
    EXPECT_EQ(from.Address, Address("127.0.0.1"));
    EXPECT_THAT(traces.Lines,
                ElementsAre("Bound to socket 0 for local ip 127.0.0.1",
                            "Set input socket 0 to listening mode sucessfully; ID " + id,
                            "Incoming connection found on socket ID " + id +
                                "; generated socket ID " + IntToStr(accepted)));
    CloseSocketHandle(accepted);
    CloseSocketHandle(peer);

    client.ConnectTimeout = 200; // nobody else connects
    EXPECT_THROW(client.AcceptConnection(client.Socket, from), ETcpIpError);

    TTcpIp rival; // the port is taken
    rival.OnTrace = traces.Handler();
    rival.OpenInputSocket(local.Port, Address("127.0.0.1"));
    EXPECT_EQ(rival.Socket, NoSocketHandle);
    ASSERT_GE(traces.Lines.size(), 2u);
    EXPECT_EQ(traces.Lines[traces.Lines.size() - 2],
              "Failed to bind socket " + IntToStr(local.Port) + " for local ip 127.0.0.1");
    EXPECT_THAT(traces.Lines.back(), StartsWith("Closed socket ID "));
}

TEST(TcpIpTest, ActionReceivesEverythingIntoTheStream) {
    const std::string data = testing::Pattern(10000);
    FakeFtpServer server([&](FakeFtpSession& s) { s.Send(data); });
    TTcpIp client;
    AimAt(client, server.Port());
    client.Action();
    EXPECT_EQ(client.Stream().Position(), 0u);
    EXPECT_EQ(testing::StreamText(client), data);
    EXPECT_NE(client.Socket, NoSocketHandle); // left open

    FakeFtpServer big([&](FakeFtpSession& s) { s.Send(data); });
    TTcpIp bounded;
    bounded.MaxDownloadSize = 5000;
    AimAt(bounded, big.Port());
    EXPECT_THROW(bounded.Action(), ETcpIpError);
}

} // namespace
} // namespace stormbell
