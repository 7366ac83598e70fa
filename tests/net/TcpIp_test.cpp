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

using testing::AimAt;
using testing::FakeFtpServer;
using testing::FakeFtpSession;
using ::testing::Matcher;
using ::testing::StartsWith;

// A host name that cannot resolve and never reaches a name server: its label is too long.
const std::string UnresolvableName = std::string(70, 'x') + ".example";

std::uint32_t Address(const char* dotted) {
    return ParseDottedAddress(dotted);
}

void ConnectTo(TTcpIp& client, const FakeFtpServer& server) {
    AimAt(client, server.Port());
    client.Login();
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

// What a failed login threw: the error's kind, its code for a socket error, and its text.
std::string LoginFailure(TTcpIp& client) {
    try {
        client.Login();
        return "connected";
    } catch (const ESocketError& error) {
        return "socket error " + IntToStr(error.ErrorCode) + ": " + error.what();
    } catch (const EHostNotFound& error) {
        return std::string("host not found: ") + error.what();
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
    const std::string resolve = "host not found: Couldn't resolve hostname ";
    const std::string range = "range error: Port out of range 0..65535: ";
    struct Case {
        std::string hostname;
        std::int32_t port;
        Matcher<std::string> failure;
    } cases[] = {
        {"", 0, resolve},
        {UnresolvableName, 0, resolve + UnresolvableName},
        {"127.0.0.1", 65536, range + "65536"},
        {"127.0.0.1", -1, range + "-1"},
        {"127.0.0.1", 100000, range + "100000"},
        {"127.0.0.1", unused, "socket error " + IntToStr(ECONNREFUSED) + ": Error creating socket"},
        {"127.0.0.1", local.Port, StartsWith("socket error " + IntToStr(ETIMEDOUT) + ": ")},
    };
    for (const auto& c : cases) {
        TTcpIp client;
        client.ConnectTimeout = 200;
        client.Hostname = c.hostname;
        client.ServerPort = c.port;
        EXPECT_THAT(LoginFailure(client), c.failure) << c.hostname << " " << c.port;
        EXPECT_EQ(client.Socket, NoSocketHandle) << c.hostname << " " << c.port;
    }
    for (const SocketHandle filler : fillers)
        CloseSocketHandle(filler);
    TTcpIp client; // 65535 is a port: the attempt gets as far as connecting
    AimAt(client, 65535);
    LoginFailure(client);
    EXPECT_EQ(client.RemotePort, 65535);
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
// throw (the first sends may still be taken); destruction closes the socket.
TEST(TcpIpTest, APeerThatHasGoneEndsTheDataAndSilencesSends) {
    FakeFtpServer server([](FakeFtpSession&) {});
    SocketHandle socket;
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
        socket = client.Socket;
    }
    EXPECT_EQ(TTcpIp().SocketState(socket), SocketState::Failed);
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

TEST(TcpIpTest, InputSocketListensAndAccepts) {
    TTcpIp client;
    client.OpenInputSocket(0, Address("127.0.0.1"));
    ASSERT_NE(client.Socket, NoSocketHandle);
    SocketEndpoint local;
    ASSERT_TRUE(LocalEndOfSocket(client.Socket, local));

    const SocketHandle peer = CreateTcpSocket();
    ASSERT_TRUE(ConnectSocket(peer, {Address("127.0.0.1"), local.Port}, 1000));
    SocketEndpoint from;
    const SocketHandle accepted = client.AcceptConnection(client.Socket, from);
    ASSERT_NE(accepted, NoSocketHandle);
    EXPECT_EQ(from.Address, Address("127.0.0.1"));
    CloseSocketHandle(accepted);
    CloseSocketHandle(peer);

    client.ConnectTimeout = 200; // nobody else connects
    EXPECT_THROW(client.AcceptConnection(client.Socket, from), ETcpIpError);

    TTcpIp rival; // the port is taken
    rival.OpenInputSocket(local.Port, Address("127.0.0.1"));
    EXPECT_EQ(rival.Socket, NoSocketHandle);
    EXPECT_EQ(rival.LastError(), EADDRINUSE);
}

} // namespace
} // namespace stormbell
