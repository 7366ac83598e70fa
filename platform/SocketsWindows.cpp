#include "platform/Sockets.h"

#include "platform/SocketAddress.h"

#include <cerrno>
#include <system_error>

#include <winsock2.h>
#include <ws2tcpip.h>

namespace stormbell {

namespace {

// Winsock keeps no errno: the calls here record the errno value of their failure, as POSIX would.
thread_local int lastError = 0;

int Recorded(int error) {
    lastError = error;
    return error;
}

int FromWinsock(int code) {
    switch (code) {
    case WSAEWOULDBLOCK:
        return EWOULDBLOCK;
    case WSAEINPROGRESS:
        return EINPROGRESS;
    case WSAEINTR:
        return EINTR;
    case WSAECONNREFUSED:
        return ECONNREFUSED;
    case WSAETIMEDOUT:
        return ETIMEDOUT;
    case WSAENOTCONN:
        return ENOTCONN;
    case WSAECONNRESET:
        return ECONNRESET;
    case WSAECONNABORTED:
        return ECONNABORTED;
    case WSAESHUTDOWN:
        return EPIPE;
    case WSAEADDRINUSE:
        return EADDRINUSE;
    case WSAEADDRNOTAVAIL:
        return EADDRNOTAVAIL;
    case WSAENETUNREACH:
        return ENETUNREACH;
    case WSAEHOSTUNREACH:
        return EHOSTUNREACH;
    case WSAENOTSOCK:
    case WSAEBADF:
        return EBADF;
    case WSAEINVAL:
        return EINVAL;
    case WSAEACCES:
        return EACCES;
    case WSAEMFILE:
        return EMFILE;
    case WSAENOBUFS:
        return ENOBUFS;
    default:
        return code;
    }
}

// Records the last Winsock failure; gives `result` back so calls can stay one expression.
template <typename Result> Result Checked(Result result, bool failed) {
    if (failed)
        Recorded(FromWinsock(::WSAGetLastError()));
    return result;
}

class Library {
public:
    Library() { started_ = ::WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
    ~Library() {
        if (started_)
            ::WSACleanup();
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

private:
    WSADATA data_{};
    bool started_ = false;
};

bool SetNonBlocking(SOCKET s) {
    u_long on = 1;
    return Checked(::ioctlsocket(s, FIONBIO, &on) == 0, false) || Checked(false, true);
}

// select() for `s`, for input on `also` and for the wake signal; 0 ms means no limit. A failed
// connect shows in the exception set, not as writable, so a wait for room watches both. On
// Ready, `sReady` (when given) tells whether `s` was.
WaitResult WaitFor(SocketHandle s, bool forWriting, int timeoutMs, const WakeSignal* wake,
                   SocketHandle also = NoSocketHandle, bool* sReady = nullptr) {
    if (sReady != nullptr)
        *sReady = true;
    if (wake != nullptr && wake->Raised())
        return WaitResult::Woken;
    if (s == NoSocketHandle)
        return WaitResult::Ready;
    fd_set reading, writing, failing;
    FD_ZERO(&reading);
    FD_ZERO(&writing);
    FD_ZERO(&failing);
    if (forWriting) {
        FD_SET(s, &writing);
        FD_SET(s, &failing);
    } else {
        FD_SET(s, &reading);
    }
    if (also != NoSocketHandle)
        FD_SET(also, &reading);
    if (wake != nullptr)
        FD_SET(wake->Handle(), &reading);
    timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int ready = ::select(0, &reading, &writing, &failing, timeoutMs > 0 ? &limit : nullptr);
    if (ready == 0)
        return WaitResult::TimedOut;
    if (ready > 0 && wake != nullptr && FD_ISSET(wake->Handle(), &reading))
        return WaitResult::Woken;
    if (ready > 0 && sReady != nullptr)
        *sReady = FD_ISSET(s, &reading) || FD_ISSET(s, &writing) || FD_ISSET(s, &failing);
    return WaitResult::Ready;
}

} // namespace

bool ConnectTo(SocketHandle s, const sockaddr* address, int length, int timeoutMs,
               const WakeSignal* wake) {
    if (::connect(s, address, length) == 0)
        return true;
    if (::WSAGetLastError() != WSAEWOULDBLOCK)
        return Checked(false, true);
    const WaitResult waited = WaitFor(s, true, timeoutMs, wake);
    if (waited != WaitResult::Ready) {
        Recorded(waited == WaitResult::Woken ? ECANCELED : ETIMEDOUT);
        return false;
    }
    int error = 0;
    int errorLength = sizeof error;
    if (::getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &errorLength) != 0)
        return Checked(false, true);
    if (error != 0) {
        Recorded(FromWinsock(error));
        return false;
    }
    return true;
}

void StartSocketLibrary() {
    static Library library;
}

std::uint32_t HostOrder(std::uint32_t address) {
    return ntohl(address);
}

// A datagram socket that sends to itself: readable while a byte waits, which is what select()
// can watch beside the connection.
WakeSignal::WakeSignal() : handle_(NoSocketHandle) {
    StartSocketLibrary();
    const SOCKET s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in self = ToSockaddr({::htonl(INADDR_LOOPBACK), 0});
    int length = sizeof self;
    if (s == INVALID_SOCKET || ::bind(s, reinterpret_cast<sockaddr*>(&self), sizeof self) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&self), &length) != 0 ||
        ::connect(s, reinterpret_cast<sockaddr*>(&self), sizeof self) != 0 || !SetNonBlocking(s)) {
        const int error = FromWinsock(::WSAGetLastError());
        if (s != INVALID_SOCKET)
            ::closesocket(s);
        throw std::system_error(error, std::generic_category(), "wake socket");
    }
    handle_ = s;
}

WakeSignal::~WakeSignal() {
    ::closesocket(handle_);
}

void WakeSignal::Raise() {
    const std::lock_guard<std::mutex> guard(lock_);
    if (raised_)
        return;
    raised_ = true;
    const char one = 1;
    // Cannot fail: one byte to an empty loopback socket of our own.
    ::send(handle_, &one, 1, 0);
}

void WakeSignal::Clear() {
    const std::lock_guard<std::mutex> guard(lock_);
    if (!raised_)
        return;
    char byte = 0;
    while (::recv(handle_, &byte, 1, 0) > 0) {
    }
    raised_ = false;
}

int LastSocketError() {
    return lastError;
}

SocketHandle CreateTcpSocket(bool ipv6) {
    StartSocketLibrary();
    const SOCKET s = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return Checked(NoSocketHandle, true);
    // Non-blocking for good: every receive and send here is one that must not wait, and a
    // connection accepted on the socket inherits the mode.
    if (!SetNonBlocking(s)) {
        ::closesocket(s);
        return NoSocketHandle;
    }
    return s;
}

bool BindSocket(SocketHandle s, SocketEndpoint local) {
    const sockaddr_in address = ToSockaddr(local);
    const bool failed = ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0;
    return Checked(!failed, failed);
}

bool ListenOnSocket(SocketHandle s, int backlog) {
    const bool failed = ::listen(s, backlog) != 0;
    return Checked(!failed, failed);
}

SocketHandle AcceptOnSocket(SocketHandle s, SocketEndpoint& peer) {
    sockaddr_in address{};
    int length = sizeof address;
    const SOCKET accepted = ::accept(s, reinterpret_cast<sockaddr*>(&address), &length);
    peer = FromSockaddr(address);
    return Checked(accepted == INVALID_SOCKET ? NoSocketHandle : SocketHandle{accepted},
                   accepted == INVALID_SOCKET);
}

WaitResult WaitReadable(SocketHandle s, int timeoutMs, const WakeSignal* wake) {
    return WaitFor(s, false, timeoutMs, wake);
}

WaitResult WaitReadableEither(SocketHandle first, SocketHandle second, bool& firstReady,
                              int timeoutMs, const WakeSignal* wake) {
    return WaitFor(first, false, timeoutMs, wake, second, &firstReady);
}

WaitResult WaitWritable(SocketHandle s, int timeoutMs, const WakeSignal* wake) {
    return WaitFor(s, true, timeoutMs, wake);
}

long ReceiveFromSocket(SocketHandle s, void* buffer, std::size_t size) {
    const int wanted = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
    const int count = ::recv(s, static_cast<char*>(buffer), wanted, 0);
    return Checked(static_cast<long>(count), count < 0);
}

long SendOnSocket(SocketHandle s, const void* data, std::size_t length) {
    const int wanted = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
    const int count = ::send(s, static_cast<const char*>(data), wanted, 0);
    return Checked(static_cast<long>(count), count < 0);
}

bool ShutdownSending(SocketHandle s) {
    const bool failed = ::shutdown(s, SD_SEND) != 0;
    return Checked(!failed, failed);
}

void CloseSocketHandle(SocketHandle s) {
    ::closesocket(s);
}

void ResetSocketHandle(SocketHandle s) {
    // A zero linger time makes the close send a reset.
    const linger abortive{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
                 sizeof abortive);
    ::closesocket(s);
}

bool PeerOfSocket(SocketHandle s, SocketEndpoint& peer) {
    sockaddr_storage address{};
    int length = sizeof address;
    if (::getpeername(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return Checked(false, true);
    peer = FromSockaddr(address);
    return true;
}

std::optional<Ipv6Address> Ipv6PeerOfSocket(SocketHandle s) {
    sockaddr_storage address{};
    int length = sizeof address;
    if (::getpeername(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return std::nullopt;
    return Ipv6Of(address);
}

// Winsock tells the count only from Windows 10 1703 on, through SIO_TCP_INFO; the readers'
// counts serve there.
std::optional<std::uint64_t> BytesReceivedOnSocket(SocketHandle) {
    return std::nullopt;
}

bool LocalEndOfSocket(SocketHandle s, SocketEndpoint& local) {
    sockaddr_in address{};
    int length = sizeof address;
    if (::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return Checked(false, true);
    local = FromSockaddr(address);
    return true;
}

} // namespace stormbell
