#include "net/TcpIp.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <stdexcept>

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

// Bytes asked for by each receive of a line: a reply usually arrives whole in one.
constexpr std::size_t kLineBlockSize = 4096;
// The shortest wait, to see whether a socket is ready now.
constexpr int kGlanceMs = 1;

std::string TimeoutText(const char* what, int limitMs, SocketHandle s) {
    return what + IntToStr(limitMs) + ErrorOnSocketId + IntToStr(s);
}

// The shorter of two waits in milliseconds, 0 meaning no limit.
int Sooner(int a, int b) {
    return a == 0 ? b : b == 0 ? a : std::min(a, b);
}

} // namespace

TTcpIp::TTcpIp() = default;

// Not through Logout, which throws after an abort.
TTcpIp::~TTcpIp() {
    if (Socket != NoSocketHandle)
        CloseSocketHandle(Socket);
}

void TTcpIp::Login() {
    abort_.Clear();
    transferEnd_.reset();
    if (TransferTimeout > 0)
        transferEnd_ = Clock::now() + std::chrono::milliseconds(TransferTimeout);
    if (ServerPort < 0 || ServerPort > 65535)
        throw std::out_of_range(ErrorPortRange + IntToStr(ServerPort));
    RemotePort = static_cast<std::uint16_t>(ServerPort);
    RemoteAddress6 = ParseIpv6Address(Hostname);
    if (RemoteAddress6) {
        RemoteAddress = NoAddress;
        OpenOutputSocket6(RemotePort, *RemoteAddress6);
    } else {
        RemoteAddress = ResolveHost(Hostname);
        if (RemoteAddress == NoAddress)
            throw EHostNotFound(ErrorResolve + Hostname);
        OpenOutputSocket(RemotePort, RemoteAddress);
    }
    if (Socket == NoSocketHandle)
        throw ESocketError(static_cast<std::uint16_t>(FLastError));
    EndOfData = false;
}

void TTcpIp::Logout() {
    CloseSocket(Socket);
    ThrowIfAborted();
}

bool TTcpIp::HasUnreadBytes(SocketHandle s) const {
    const auto found = pending_.find(s);
    return found != pending_.end() && found->second.start < found->second.bytes.size();
}

bool TTcpIp::Eof() {
    return SocketState(Socket) != stormbell::SocketState::Connected || EndOfData;
}

void TTcpIp::OpenOutputSocket(std::uint16_t port, std::uint32_t address) {
    OpenConnected(false, [&](int timeoutMs) {
        return ConnectSocket(Socket, {address, port}, timeoutMs, &abort_);
    });
}

void TTcpIp::OpenOutputSocket6(std::uint16_t port, const Ipv6Address& address) {
    OpenConnected(true, [&](int timeoutMs) {
        return ConnectSocket6(Socket, address, port, timeoutMs, &abort_);
    });
}

template <typename Connect> void TTcpIp::OpenConnected(bool ipv6, Connect connect) {
    CloseSocket(Socket);
    Socket = CreateTcpSocket(ipv6);
    ForgetPending(Socket);
    const bool connected =
        Socket != NoSocketHandle && connect(Sooner(ConnectTimeout, TransferLeftMs()));
    if (!connected) {
        FLastError = LastSocketError();
        CloseSocket(Socket);
        ThrowIfAborted();
        TransferLeftMs();
    }
}

void TTcpIp::OpenInputSocket(std::uint16_t port, std::uint32_t address) {
    CloseSocket(Socket);
    Socket = CreateTcpSocket();
    if (Socket == NoSocketHandle || !BindSocket(Socket, {address, port}) ||
        !ListenOnSocket(Socket, ListenBacklog)) {
        FLastError = LastSocketError();
        CloseSocket(Socket);
    }
}

SocketHandle TTcpIp::AcceptConnection(SocketHandle listening, SocketEndpoint& peer,
                                      std::optional<std::uint32_t> onlyFrom, SocketHandle watched) {
    ThrowIfAborted();
    // One deadline for the whole wait: strangers connecting again and again must not prolong it.
    const Deadline deadline(ConnectTimeout);
    std::string refused;
    for (;;) {
        const int silenceLeft = deadline.RemainingMs();
        const int left = silenceLeft < 0 ? -1 : Sooner(silenceLeft, TransferLeftMs());
        // What a line read has taken in already shows in no wait: then only a connection that is
        // waiting by now is taken, as it is when both are there.
        const bool spoken = HasUnreadBytes(watched);
        bool connecting = true;
        const WaitResult waited =
            left < 0 ? WaitResult::TimedOut
                     : WaitReadableEither(listening, spoken ? NoSocketHandle : watched, connecting,
                                          spoken ? kGlanceMs : left, &abort_);
        if (waited == WaitResult::Woken)
            throw ETcpIpError(ErrorAborted);
        if (waited == WaitResult::TimedOut && !spoken) {
            TransferLeftMs(); // throws when it was the whole transfer's limit that ran out
            throw ETcpIpError(TimeoutText(ErrorAcceptTimeout, ConnectTimeout, listening) + refused);
        }
        if (waited == WaitResult::TimedOut || !connecting)
            return NoSocketHandle;
        const SocketHandle accepted = AcceptOnSocket(listening, peer);
        if (accepted == NoSocketHandle)
            throw ESocketError(static_cast<std::uint16_t>(LastSocketError()));
        if (!onlyFrom || peer.Address == *onlyFrom) {
            ForgetPending(accepted);
            return accepted;
        }
        CloseSocketHandle(accepted);
        refused = ErrorStranger + AddressToText(peer.Address);
    }
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
    ForgetPending(closed);
    CloseSocketHandle(closed);
}

long TTcpIp::Receive(void* buffer, std::size_t size) {
    return ReceiveWatching(buffer, size, NoSocketHandle);
}

long TTcpIp::ReceiveWatching(void* buffer, std::size_t size, SocketHandle watched) {
    std::unique_ptr<char[]> temporary;
    if (buffer == nullptr) {
        temporary = std::make_unique<char[]>(size);
        buffer = temporary.get();
    }
    ThrowIfAborted();
    const auto found = pending_.find(Socket);
    if (found == pending_.end() || found->second.start == found->second.bytes.size())
        return ReceiveFromPeer(buffer, size, watched);
    Pending& pending = found->second;
    const std::size_t count = std::min(size, pending.bytes.size() - pending.start);
    std::memcpy(buffer, pending.bytes.data() + pending.start, count);
    pending.start += count;
    return static_cast<long>(count);
}

long TTcpIp::ReceiveFromPeer(void* buffer, std::size_t size, SocketHandle watched) {
    const MeasuredTransfer measured(*this);
    const Deadline deadline(IdleTimeout);
    for (;;) {
        const long count = ReceiveFromSocket(Socket, buffer, size);
        if (count > 0) {
            lowSpeed_.Add(static_cast<std::size_t>(count));
            return count;
        }
        // A would-block result is retried, but only within the time-out and the low-speed
        // limit: a silent or trickling peer must not hold the caller for ever.
        if (count < 0 && IsWouldBlock(LastSocketError())) {
            // What a line read has taken in already shows in no wait.
            if (HasUnreadBytes(watched) ||
                AwaitProgress(WaitReadable, deadline.RemainingMs(), ErrorReceiveTimeout, watched))
                return WatchedSpoke;
            continue;
        }
        EndOfData = true;
        return count;
    }
}

void TTcpIp::ReadLine(std::string& line) {
    std::size_t budget = MaxLineLength;
    if (ReadLineWithin(line, budget) == LineEnd::LimitReached)
        throw ETcpIpError(ErrorLineTooLong + IntToStr(static_cast<long long>(MaxLineLength)) +
                          ErrorOnSocketId + IntToStr(Socket));
}

// Only CR LF ends a line; lone CR and LF bytes are dropped but still count against the budget,
// so an endless stream of them ends as surely as an endless line.
TTcpIp::LineEnd TTcpIp::ReadLineWithin(std::string& line, std::size_t& budget) {
    const MeasuredTransfer measured(*this);
    ThrowIfAborted();
    std::string collected;
    bool afterCr = false;
    for (;;) {
        Pending& pending = pending_[Socket];
        while (pending.start < pending.bytes.size()) {
            if (budget == 0)
                return LineEnd::LimitReached;
            const char byte = pending.bytes[pending.start++];
            --budget;
            if (byte == '\n' && afterCr) {
                line = std::move(collected);
                return LineEnd::Complete;
            }
            if (byte == '\r') {
                afterCr = true;
            } else if (byte != '\n') {
                if (byte == '\0')
                    throw ETcpIpError(ErrorNulInLine + IntToStr(Socket));
                collected += byte;
                afterCr = false;
            }
        }
        pending.bytes.clear();
        pending.start = 0;
        if (Eof())
            return LineEnd::DataEnded;
        char block[kLineBlockSize];
        const long count = ReceiveFromPeer(block, sizeof block);
        if (count <= 0)
            return LineEnd::DataEnded;
        pending.bytes.assign(block, static_cast<std::size_t>(count));
    }
}

void TTcpIp::SendBuffer(const void* data, std::size_t length) {
    ThrowIfAborted();
    const MeasuredTransfer measured(*this);
    const char* bytes = static_cast<const char*>(data);
    std::size_t sent = 0;
    Deadline deadline(IdleTimeout);
    do {
        const long count = SendOnSocket(Socket, bytes + sent, length - sent);
        if (count >= 0) {
            sent += static_cast<std::size_t>(count);
            lowSpeed_.Add(static_cast<std::size_t>(count));
            deadline.Restart();
            continue;
        }
        if (!IsWouldBlock(LastSocketError()))
            return; // a peer that has gone: silent, as every send failure
        AwaitProgress(WaitWritable, deadline.RemainingMs(), ErrorSendTimeout);
    } while (sent < length);
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

int TTcpIp::TransferLeftMs() const {
    if (!transferEnd_)
        return 0;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(*transferEnd_ - Clock::now()).count();
    if (left <= 0)
        throw ETcpIpError(TimeoutText(ErrorTransferTimeout, TransferTimeout, Socket));
    return static_cast<int>(left);
}

bool TTcpIp::AwaitProgress(WaitResult (*wait)(SocketHandle, int, const WakeSignal*),
                           int silenceLeftMs, const char* timeoutText, SocketHandle watched) {
    if (silenceLeftMs < 0)
        throw ETcpIpError(TimeoutText(timeoutText, IdleTimeout, Socket));
    const int transferLeftMs = TransferLeftMs();
    const auto now = Clock::now();
    if (!lowSpeed_.Check(now))
        throw ETcpIpError(ErrorTooSlow + IntToStr(static_cast<long long>(LowSpeedLimit)) +
                          TimeoutText(ErrorTooSlowFor, IdleTimeout, Socket));
    // Wake at the window's end too, so that a trickle is judged even between its bytes.
    const int windowLeftMs = lowSpeed_.MsToWindowEnd(now);
    const bool windowFirst =
        windowLeftMs > 0 && (silenceLeftMs == 0 || windowLeftMs < silenceLeftMs);
    const int waitMs = Sooner(windowFirst ? windowLeftMs : silenceLeftMs, transferLeftMs);
    bool socketReady = true;
    const WaitResult waited =
        watched == NoSocketHandle
            ? wait(Socket, waitMs, &abort_)
            : WaitReadableEither(Socket, watched, socketReady, waitMs, &abort_);
    if (waited == WaitResult::Woken)
        throw ETcpIpError(ErrorAborted);
    return waited == WaitResult::Ready && !socketReady;
}

TTcpIp::MeasuredTransfer::MeasuredTransfer(TTcpIp& owner) : owner_(owner) {
    if (owner_.measureDepth_++ == 0)
        owner_.lowSpeed_.Start(Clock::now(), owner_.LowSpeedLimit, owner_.IdleTimeout);
}

// Receiving in place spares a copy of every byte, which matters for large files.
long TTcpIp::ReceiveIntoStream(SocketHandle watched) {
    const std::size_t blockSize = TransferBlockSize();
    const long count = ReceiveWatching(FStream.WriteSpace(blockSize), blockSize, watched);
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
    const std::uint32_t host = HostOrder(address);
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

} // namespace stormbell
