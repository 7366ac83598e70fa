#include "platform/Sockets.h"

#include "platform/SocketAddress.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

#ifdef __linux__
#include <linux/tcp.h> // tcp_info with the byte counts, which glibc's copy lacks
#endif

namespace stormbell {

namespace {

#ifdef MSG_NOSIGNAL
constexpr int SendFlags = MSG_NOSIGNAL | MSG_DONTWAIT;
#else
constexpr int SendFlags = MSG_DONTWAIT;
#endif

// poll() for `events` on `s`, for input on `also` and for the wake signal, retrying after
// signals; 0 ms means no limit. On Ready, `sReady` (when given) tells whether `s` was.
WaitResult WaitFor(SocketHandle s, short events, int timeoutMs, const WakeSignal* wake,
                   SocketHandle also = NoSocketHandle, bool* sReady = nullptr) {
    if (sReady != nullptr)
        *sReady = true;
    if (wake != nullptr && wake->Raised())
        return WaitResult::Woken;
    if (s < 0)
        return WaitResult::Ready;
    // poll() skips an entry with a negative descriptor, so no signal needs no second call.
    pollfd entries[3] = {
        {s, events, 0}, {also, POLLIN, 0}, {wake != nullptr ? wake->Handle() : -1, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(entries, 3, timeoutMs > 0 ? timeoutMs : -1);
        if (ready > 0) {
            if (entries[2].revents != 0)
                return WaitResult::Woken;
            if (sReady != nullptr)
                *sReady = entries[0].revents != 0;
            return WaitResult::Ready;
        }
        if (ready == 0)
            return WaitResult::TimedOut;
        if (errno != EINTR)
            return WaitResult::Ready;
    }
}

bool SetBlocking(SocketHandle s, bool blocking) {
    const int flags = ::fcntl(s, F_GETFL);
    if (flags < 0)
        return false;
    return ::fcntl(s, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK) == 0;
}

} // namespace

bool ConnectTo(SocketHandle s, const sockaddr* address, int length, int timeoutMs,
               const WakeSignal* wake) {
    if (!SetBlocking(s, false))
        return false;
    int result = ::connect(s, address, static_cast<socklen_t>(length));
    if (result != 0 && errno == EINPROGRESS) {
        const WaitResult waited = WaitFor(s, POLLOUT, timeoutMs, wake);
        if (waited != WaitResult::Ready) {
            SetBlocking(s, true);
            errno = waited == WaitResult::Woken ? ECANCELED : ETIMEDOUT;
            return false;
        }
        int error = 0;
        socklen_t errorLength = sizeof error;
        if (::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &errorLength) != 0)
            error = errno;
        result = error == 0 ? 0 : -1;
        errno = error;
    }
    const int saved = errno;
    SetBlocking(s, true);
    errno = saved;
    return result == 0;
}

WakeSignal::WakeSignal() : handle_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (handle_ < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
}

WakeSignal::~WakeSignal() {
    ::close(handle_);
}

void WakeSignal::Raise() {
    const std::lock_guard<std::mutex> guard(lock_);
    if (raised_)
        return;
    raised_ = true;
    const std::uint64_t one = 1;
    // Cannot fail: the counter is far below its limit and the descriptor is ours.
    [[maybe_unused]] const ssize_t written = ::write(handle_, &one, sizeof one);
}

void WakeSignal::Clear() {
    const std::lock_guard<std::mutex> guard(lock_);
    if (!raised_)
        return;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(handle_, &count, sizeof count);
    raised_ = false;
}

void StartSocketLibrary() {}

std::uint32_t HostOrder(std::uint32_t address) {
    return ntohl(address);
}

int LastSocketError() {
    return errno;
}

SocketHandle CreateTcpSocket(bool ipv6) {
    const SocketHandle s = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
#ifdef SO_NOSIGPIPE
    if (s >= 0) {
        const int on = 1;
        ::setsockopt(s, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
    }
#endif
    return s;
}

bool BindSocket(SocketHandle s, SocketEndpoint local) {
    const sockaddr_in address = ToSockaddr(local);
    return ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool ListenOnSocket(SocketHandle s, int backlog) {
    return ::listen(s, backlog) == 0;
}

SocketHandle AcceptOnSocket(SocketHandle s, SocketEndpoint& peer) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    SocketHandle accepted;
    do
        accepted = ::accept4(s, reinterpret_cast<sockaddr*>(&address), &length, SOCK_CLOEXEC);
    while (accepted < 0 && errno == EINTR);
    peer = FromSockaddr(address);
    return accepted;
}

WaitResult WaitReadable(SocketHandle s, int timeoutMs, const WakeSignal* wake) {
    return WaitFor(s, POLLIN, timeoutMs, wake);
}

WaitResult WaitReadableEither(SocketHandle first, SocketHandle second, bool& firstReady,
                              int timeoutMs, const WakeSignal* wake) {
    return WaitFor(first, POLLIN, timeoutMs, wake, second, &firstReady);
}

WaitResult WaitWritable(SocketHandle s, int timeoutMs, const WakeSignal* wake) {
    return WaitFor(s, POLLOUT, timeoutMs, wake);
}

long ReceiveFromSocket(SocketHandle s, void* buffer, std::size_t size) {
    return static_cast<long>(::recv(s, buffer, size, MSG_DONTWAIT));
}

long SendOnSocket(SocketHandle s, const void* data, std::size_t length) {
    return static_cast<long>(::send(s, data, length, SendFlags));
}

bool ShutdownSending(SocketHandle s) {
    return ::shutdown(s, SHUT_WR) == 0;
}

void CloseSocketHandle(SocketHandle s) {
    ::close(s);
}

void ResetSocketHandle(SocketHandle s) {
    // A zero linger time makes the close send a reset.
    const linger abortive{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    ::close(s);
}

bool PeerOfSocket(SocketHandle s, SocketEndpoint& peer) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return false;
    peer = FromSockaddr(address);
    return true;
}

std::optional<Ipv6Address> Ipv6PeerOfSocket(SocketHandle s) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return std::nullopt;
    return Ipv6Of(address);
}

std::optional<std::uint64_t> BytesReceivedOnSocket([[maybe_unused]] SocketHandle s) {
#ifdef __linux__
    tcp_info info{};
    socklen_t length = sizeof info;
    // An older kernel fills a shorter record, without the count.
    if (::getsockopt(s, IPPROTO_TCP, TCP_INFO, &info, &length) == 0 &&
        length >= offsetof(tcp_info, tcpi_bytes_received) + sizeof info.tcpi_bytes_received)
        return info.tcpi_bytes_received;
#endif
    return std::nullopt;
}

bool LocalEndOfSocket(SocketHandle s, SocketEndpoint& local) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return false;
    local = FromSockaddr(address);
    return true;
}

} // namespace stormbell
