// The D-Bus address syntax and the opening of its handshake, the same on every system.
#include "platform/SessionBus.h"

#include <cerrno>
#include <charconv>
#include <optional>

namespace stormbell {

namespace {

using SteadyClock = std::chrono::steady_clock;

// A reply line is short ("REJECTED EXTERNAL ANONYMOUS"); a longer one is no D-Bus server's.
constexpr std::size_t kReplyLimit = 512;
// The handshake opens with one NUL byte; AUTH without a mechanism asks for the list of them,
// which every server answers without knowing who we are.
constexpr char kHandshakeOpening[] = "\0AUTH\r\n";

std::optional<std::string> Unescape(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            text += value[i];
            continue;
        }
        unsigned byte = 0;
        if (i + 2 >= value.size())
            return std::nullopt;
        const auto [end, error] =
            std::from_chars(value.data() + i + 1, value.data() + i + 3, byte, 16);
        if (error != std::errc() || end != value.data() + i + 3)
            return std::nullopt;
        text += static_cast<char>(byte);
        i += 2;
    }
    return text;
}

std::optional<BusEndpoint> ParseEntry(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view transport = entry.substr(0, colon);
    std::optional<std::string> path, abstract, host, port;
    std::string_view rest = entry.substr(colon + 1);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view pair = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = pair.substr(0, equals);
        auto value = Unescape(pair.substr(equals + 1));
        if (!value)
            return std::nullopt;
        if (key == "path")
            path = std::move(value);
        else if (key == "abstract")
            abstract = std::move(value);
        else if (key == "host")
            host = std::move(value);
        else if (key == "port")
            port = std::move(value);
    }
    if (transport == "unix" && path && !path->empty())
        return BusEndpoint{BusEndpoint::Kind::Path, *path, 0};
    if (transport == "unix" && abstract && !abstract->empty())
        return BusEndpoint{BusEndpoint::Kind::Abstract, *abstract, 0};
    if (transport == "tcp" && port) {
        unsigned number = 0;
        const char* end = port->data() + port->size();
        const auto parsed = std::from_chars(port->data(), end, number);
        if (parsed.ec != std::errc() || parsed.ptr != end || number == 0 || number > 65535)
            return std::nullopt;
        return BusEndpoint{BusEndpoint::Kind::Tcp, host.value_or("localhost"),
                           static_cast<std::uint16_t>(number)};
    }
    return std::nullopt;
}

int MillisecondsUntil(SteadyClock::time_point end) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end - SteadyClock::now());
    // At least one: a wait of 0 means no limit to the socket calls.
    return left.count() > 0 ? static_cast<int>(left.count()) : 1;
}

struct Connection {
    SocketHandle Socket = NoSocketHandle;
    int Error = 0; ///< why there is no socket
};

Connection Connect(const BusEndpoint& endpoint, int timeoutMs) {
    if (endpoint.Type != BusEndpoint::Kind::Tcp) {
        int error = 0;
        const SocketHandle s = ConnectLocalSocket(
            endpoint.Where, endpoint.Type == BusEndpoint::Kind::Abstract, timeoutMs, error);
        return {s, error};
    }
    std::uint32_t address = ParseDottedAddress(endpoint.Where);
    if (address == NoAddress)
        address = LookupHostAddress(endpoint.Where);
    if (address == NoAddress)
        return {NoSocketHandle, EHOSTUNREACH};
    const SocketHandle s = CreateTcpSocket();
    if (s == NoSocketHandle)
        return {NoSocketHandle, LastSocketError()};
    if (!ConnectSocket(s, {address, endpoint.Port}, timeoutMs)) {
        const int error = LastSocketError();
        CloseSocketHandle(s);
        return {NoSocketHandle, error};
    }
    return {s, 0};
}

// Whether a whole reply line came before `end`, or the server ended the connection first.
BusAnswer Handshake(SocketHandle s, SteadyClock::time_point end) {
    std::size_t sent = 0;
    while (sent < sizeof kHandshakeOpening - 1) {
        if (WaitWritable(s, MillisecondsUntil(end)) != WaitResult::Ready ||
            SteadyClock::now() >= end)
            return BusAnswer::Silent;
        const long n =
            SendOnSocket(s, kHandshakeOpening + sent, sizeof kHandshakeOpening - 1 - sent);
        if (n < 0 && !IsWouldBlock(LastSocketError()))
            return BusAnswer::Refused;
        sent += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    std::string reply;
    while (reply.size() < kReplyLimit) {
        if (WaitReadable(s, MillisecondsUntil(end)) != WaitResult::Ready ||
            SteadyClock::now() >= end)
            return BusAnswer::Silent;
        char buffer[kReplyLimit];
        const long n = ReceiveFromSocket(s, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && !IsWouldBlock(LastSocketError())))
            return BusAnswer::Refused;
        if (n > 0)
            reply.append(buffer, static_cast<std::size_t>(n));
        if (reply.find("\r\n") != std::string::npos)
            return BusAnswer::Answered;
    }
    // Endless talk without a line's end is no answer a client could go on with.
    return BusAnswer::Silent;
}

} // namespace

std::vector<BusEndpoint> BusEndpoints(std::string_view address) {
    std::vector<BusEndpoint> endpoints;
    while (!address.empty()) {
        const std::size_t semicolon = address.find(';');
        if (auto endpoint = ParseEntry(address.substr(0, semicolon)))
            endpoints.push_back(std::move(*endpoint));
        address = semicolon == std::string_view::npos ? std::string_view()
                                                      : address.substr(semicolon + 1);
    }
    return endpoints;
}

BusAnswer ProbeBus(std::string_view address, std::chrono::milliseconds limit) {
    const SteadyClock::time_point end = SteadyClock::now() + limit;
    for (const BusEndpoint& endpoint : BusEndpoints(address)) {
        if (SteadyClock::now() >= end)
            return BusAnswer::Silent;
        const Connection connection = Connect(endpoint, MillisecondsUntil(end));
        if (connection.Socket == NoSocketHandle) {
            // A listener that never accepts fills its queue; a client would wait on it.
            if (connection.Error == EAGAIN || connection.Error == ETIMEDOUT)
                return BusAnswer::Silent;
            continue;
        }
        const BusAnswer answer = Handshake(connection.Socket, end);
        CloseSocketHandle(connection.Socket);
        return answer;
    }
    return BusAnswer::Refused;
}

} // namespace stormbell
