// A loopback TCP stand-in for a session bus: it answers the handshake's AUTH as a D-Bus server
// does, or takes the connection and never speaks. Its address is a D-Bus address.
#pragma once

#include "platform/Sockets.h"

#include <stdexcept>
#include <string>
#include <thread>

namespace stormbell::testing {

class FakeBusServer {
public:
    enum class Manner { Answers, Silent };

    explicit FakeBusServer(Manner manner) {
        SocketEndpoint local{ParseDottedAddress("127.0.0.1"), 0};
        listener_ = CreateTcpSocket();
        if (listener_ == NoSocketHandle || !BindSocket(listener_, local) ||
            !ListenOnSocket(listener_, 4) || !LocalEndOfSocket(listener_, local))
            throw std::runtime_error("the fake bus cannot listen on loopback");
        port_ = local.Port;
        thread_ = std::thread([this, manner] { Serve(manner); });
    }
    FakeBusServer(const FakeBusServer&) = delete;
    FakeBusServer& operator=(const FakeBusServer&) = delete;
    ~FakeBusServer() {
        stop_.Raise();
        thread_.join();
        CloseSocketHandle(listener_);
    }

    std::string Address() const { return "tcp:host=127.0.0.1,port=" + std::to_string(port_); }

private:
    void Serve(Manner manner) {
        while (WaitReadable(listener_, 0, &stop_) == WaitResult::Ready) {
            SocketEndpoint peer;
            const SocketHandle client = AcceptOnSocket(listener_, peer);
            if (client == NoSocketHandle)
                continue;
            if (manner == Manner::Answers)
                Answer(client);
            else
                Hold(client);
            CloseSocketHandle(client);
        }
    }

    // Takes what comes and never speaks, until the client ends or the server stops.
    void Hold(SocketHandle client) {
        char buffer[256];
        while (WaitReadable(client, 0, &stop_) == WaitResult::Ready &&
               ReceiveFromSocket(client, buffer, sizeof buffer) > 0) {
        }
    }

    void Answer(SocketHandle client) {
        std::string heard;
        char buffer[256];
        while (heard.find("\r\n") == std::string::npos &&
               WaitReadable(client, 0, &stop_) == WaitResult::Ready) {
            const long n = ReceiveFromSocket(client, buffer, sizeof buffer);
            if (n <= 0)
                return;
            heard.append(buffer, static_cast<std::size_t>(n));
        }
        const std::string reply = "REJECTED EXTERNAL\r\n";
        SendOnSocket(client, reply.data(), reply.size());
    }

    SocketHandle listener_ = NoSocketHandle;
    std::uint16_t port_ = 0;
    WakeSignal stop_;
    std::thread thread_;
};

} // namespace stormbell::testing
