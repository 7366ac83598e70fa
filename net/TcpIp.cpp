#include "net/TcpIp.h"

#include <arpa/inet.h>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "platform/TextConvert.h"

namespace stormbell {

using namespace nettexts;

namespace {

using Clock = std::chrono::steady_clock;

// Tracks the silence allowed since the last progress; a limit of 0 or less never expires.
class Deadline {
public:
    explicit Deadline(int limitMs) : FLimitMs(limitMs) { Restart(); }
    void Restart() { FEnd = Clock::now() + std::chrono::milliseconds(FLimitMs); }
    /// The milliseconds left for a wait (0: no limit), or -1 when the time is up.
    int RemainingMs() const {
        if (FLimitMs <= 0)
            return 0;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(FEnd - Clock::now()).count();
        return left > 0 ? static_cast<int>(left) : -1;
    }

private:
    int FLimitMs;
    Clock::time_point FEnd;
};

std::string TimeoutText(const char* what, int limitMs, SocketHandle s) {
    return what + IntToStr(limitMs) + ErrorOnSocketId + IntToStr(s);
}

} // namespace

TTcpIp::TTcpIp() = default;

TTcpIp::~TTcpIp() {
    if (Socket == NoSocketHandle)
        return;
    // A destructor cannot report: a throwing trace handler must not end the program.
    try {
        Logout();
    } catch (...) {
        if (Socket != NoSocketHandle)
            CloseSocketHandle(Socket);
    }
}

void TTcpIp::Action() {
    Login();
    FStream.Clear();
    while (!Eof())
        ReceiveIntoStream();
    FStream.Seek(0);
}

void TTcpIp::Login() {
    abort_.Clear();
    std::int32_t port = DefaultPort;
    if (Hostname.starts_with(PortMarker)) {
        Hostname.erase(0, std::string_view(PortMarker).size());
        port = NewFTPPort;
    }
    if (port < 0 || port > 65535)
        throw std::out_of_range(ErrorPortRange + IntToStr(port));
    RemotePort = static_cast<std::uint16_t>(port);
    RemoteAddress = ResolveHost(Hostname);
    if (RemoteAddress == NoAddress)
        throw ETcpIpError(ErrorResolve + Hostname);
    OpenOutputSocket(RemotePort, RemoteAddress);
    if (Socket == NoSocketHandle)
        throw ESocketError(static_cast<std::uint16_t>(FLastError));
    EndOfData = false;
}

void TTcpIp::Logout() {
    CloseSocket(Socket);
    ThrowIfAborted();
}

bool TTcpIp::Eof() {
    return SocketState(Socket) != stormbell::SocketState::Connected || EndOfData;
}

void TTcpIp::OpenOutputSocket(std::uint16_t port, std::uint32_t address) {
    CloseSocket(Socket);
    Socket = CreateTcpSocket();
    const bool connected =
        Socket != NoSocketHandle && ConnectSocket(Socket, {address, port}, ConnectTimeout, &abort_);
    if (!connected) {
        FLastError = LastSocketError();
        CloseSocket(Socket);
        if (OnTrace)
            Trace(TraceConnectFailed + IntToStr(port) + TraceToHost + AddressToText(address));
        ThrowIfAborted();
        return;
    }
    if (OnTrace)
        Trace(TraceConnected + IntToStr(port) + TraceToHost + AddressToText(address) +
              TraceSuccessfullyId + IntToStr(Socket));
}

void TTcpIp::OpenInputSocket(std::uint16_t port, std::uint32_t address) {
    CloseSocket(Socket);
    Socket = CreateTcpSocket();
    if (Socket == NoSocketHandle || !BindSocket(Socket, {address, port})) {
        FLastError = LastSocketError();
        if (OnTrace)
            Trace(TraceBindFailed + IntToStr(port) + TraceForLocalIp + AddressToText(address));
        CloseSocket(Socket);
        return;
    }
    if (OnTrace)
        Trace(TraceBound + IntToStr(port) + TraceForLocalIp + AddressToText(address));
    if (!ListenOnSocket(Socket, ListenBacklog)) {
        FLastError = LastSocketError();
        CloseSocket(Socket);
        if (OnTrace)
            Trace(TraceListenFailed + IntToStr(port) + TraceToListeningMode);
        return;
    }
    if (OnTrace)
        Trace(TraceListening + IntToStr(port) + TraceListeningId + IntToStr(Socket));
}

SocketHandle TTcpIp::AcceptConnection(SocketHandle listening, SocketEndpoint& peer) {
    ThrowIfAborted();
    if (!Await(WaitReadable, listening, ConnectTimeout))
        throw ETcpIpError(TimeoutText(ErrorAcceptTimeout, ConnectTimeout, listening));
    const SocketHandle accepted = AcceptOnSocket(listening, peer);
    if (accepted == NoSocketHandle) {
        if (OnTrace)
            Trace(TraceAcceptFailed + IntToStr(listening));
        return NoSocketHandle;
    }
    if (OnTrace)
        Trace(TraceAccepted + IntToStr(listening) + TraceGeneratedId + IntToStr(accepted));
    return accepted;
}

stormbell::SocketState TTcpIp::SocketState(SocketHandle s) const {
    if (s == NoSocketHandle)
        return stormbell::SocketState::NoSocket;
    SocketEndpoint peer;
    if (PeerOfSocket(s, peer))
        return stormbell::SocketState::Connected;
    return LastSocketError() == NotConnectedError() ? stormbell::SocketState::NotConnected
                                                    : stormbell::SocketState::Failed;
}

void TTcpIp::CloseSocket(SocketHandle& s) {
    if (s == NoSocketHandle)
        return;
    const SocketHandle closed = s;
    s = NoSocketHandle;
    CloseSocketHandle(closed);
    if (OnTrace)
        Trace(TraceClosed + IntToStr(closed));
}

long TTcpIp::Receive(void* buffer, std::size_t size) {
    std::unique_ptr<char[]> temporary;
    if (buffer == nullptr) {
        temporary = std::make_unique<char[]>(size);
        buffer = temporary.get();
    }
    ThrowIfAborted();
    const Deadline deadline(IdleTimeout);
    for (;;) {
        const long count = ReceiveFromSocket(Socket, buffer, size);
        if (count > 0) {
            if (OnTrace)
                Trace(TraceReceived + IntToStr(count) + TraceBytesOnId + IntToStr(Socket));
            return count;
        }
        // A would-block result is retried, but only until the time-out: a silent peer must
        // not hold the caller for ever.
        if (count < 0 && IsWouldBlock(LastSocketError())) {
            const int left = deadline.RemainingMs();
            if (left >= 0 && Await(WaitReadable, Socket, left))
                continue;
            throw ETcpIpError(TimeoutText(ErrorReceiveTimeout, IdleTimeout, Socket));
        }
        EndOfData = true;
        return count;
    }
}

void TTcpIp::ReadLine(std::string& line) {
    std::string collected;
    char previous = 0;
    for (;;) {
        char byte = 0;
        if (Receive(&byte, 1) > 0) {
            if (byte == '\r') {
                previous = byte;
            } else if (byte == '\n') {
                if (previous == '\r') {
                    line = std::move(collected);
                    return;
                }
            } else {
                if (byte == '\0')
                    throw ETcpIpError(ErrorNulInLine + IntToStr(Socket));
                if (collected.size() >= MaxLineLength)
                    throw ETcpIpError(ErrorLineTooLong +
                                      IntToStr(static_cast<long long>(MaxLineLength)) +
                                      ErrorOnSocketId + IntToStr(Socket));
                collected += byte;
                previous = 0;
            }
        }
        if (Eof())
            return;
    }
}

void TTcpIp::SendBuffer(const void* data, std::size_t length) {
    ThrowIfAborted();
    const char* bytes = static_cast<const char*>(data);
    std::size_t sent = 0;
    Deadline deadline(IdleTimeout);
    do {
        const long count = SendOnSocket(Socket, bytes + sent, length - sent);
        if (count >= 0) {
            sent += static_cast<std::size_t>(count);
            deadline.Restart();
            continue;
        }
        if (!IsWouldBlock(LastSocketError()))
            return; // a peer that has gone: silent, as every send failure
        const int left = deadline.RemainingMs();
        if (left < 0 || !Await(WaitWritable, Socket, left))
            throw ETcpIpError(TimeoutText(ErrorSendTimeout, IdleTimeout, Socket));
    } while (sent < length);
    if (OnTrace)
        Trace(TraceSent + IntToStr(static_cast<long long>(length)) + TraceBytesOnId +
              IntToStr(Socket));
}

void TTcpIp::SendText(const std::string& text) {
    SendBuffer(text.data(), text.size());
}

void TTcpIp::Abort() {
    abort_.Raise();
}

void TTcpIp::ThrowIfAborted() const {
    if (abort_.Raised())
        throw ETcpIpError(ErrorAborted);
}

bool TTcpIp::Await(WaitResult (*wait)(SocketHandle, int, const WakeSignal*), SocketHandle s,
                   int waitMs) const {
    const WaitResult result = wait(s, waitMs, &abort_);
    if (result == WaitResult::Woken)
        throw ETcpIpError(ErrorAborted);
    return result == WaitResult::Ready;
}

void TTcpIp::Trace(const std::string& text) {
    OnTrace(text, true);
}

// Receiving in place spares a copy of every byte, which matters for large files.
long TTcpIp::ReceiveIntoStream() {
    const std::size_t blockSize = TransferBlockSize();
    const long count = Receive(FStream.WriteSpace(blockSize), blockSize);
    if (count <= 0)
        return count;
    if (static_cast<std::size_t>(count) > MaxDownloadSize - FStream.Position()) {
        CloseSocket(Socket);
        throw ETcpIpError(ErrorDownloadTooLarge +
                          IntToStr(static_cast<long long>(MaxDownloadSize)));
    }
    FStream.CommitWrite(static_cast<std::size_t>(count));
    return count;
}

std::uint32_t LocalAddress() {
    return LookupHostAddress(LocalHostName());
}

std::string AddressToText(std::uint32_t address) {
    const std::uint32_t host = ntohl(address);
    return IntToStr(host >> 24) + "." + IntToStr((host >> 16) & 0xFF) + "." +
           IntToStr((host >> 8) & 0xFF) + "." + IntToStr(host & 0xFF);
}

std::uint32_t ResolveHost(const std::string& name) {
    if (name.empty())
        return NoAddress;
    const std::uint32_t address = ParseDottedAddress(name);
    if (address != NoAddress)
        return address;
    return LookupHostAddress(name);
}

long long PosN(const std::string& substring, const std::string& text, long long n) {
    if (n < 1 || substring.empty())
        return 0;
    long long found = 0;
    std::size_t from = 0;
    for (long long i = 0; i < n; ++i) {
        const std::size_t at = text.find(substring, from);
        if (at == std::string::npos)
            break;
        found = static_cast<long long>(at) + 1;
        from = at + substring.size();
    }
    return found;
}

} // namespace stormbell
