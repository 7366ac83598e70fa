// Local sockets for the bus probe, over POSIX's AF_UNIX.
#include "platform/SessionBus.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace stormbell {

SocketHandle ConnectLocalSocket(const std::string& name, bool abstract, int timeoutMs, int& error) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An abstract name starts with a NUL byte and is not NUL-terminated.
    const std::size_t offset = abstract ? 1 : 0;
    if (name.size() + offset >= sizeof address.sun_path) {
        error = ENAMETOOLONG;
        return NoSocketHandle;
    }
    std::memcpy(address.sun_path + offset, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               name.size() + (abstract ? 0 : 1));
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s < 0) {
        error = errno;
        return NoSocketHandle;
    }
    // A full queue gives EAGAIN at once rather than a wait: the caller decides what that means.
    if (::connect(s, reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return s;
    error = errno;
    if (error == EINPROGRESS) {
        pollfd entry{s, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, timeoutMs);
        socklen_t errorLength = sizeof error;
        if (ready == 0)
            error = ETIMEDOUT;
        else if (ready < 0 || ::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &errorLength) != 0)
            error = errno;
        if (error == 0)
            return s;
    }
    ::close(s);
    return NoSocketHandle;
}

} // namespace stormbell
