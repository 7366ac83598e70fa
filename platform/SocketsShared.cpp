// What both sides of the sockets share: the error kinds, connecting, and host names and addresses
// (Winsock offers the POSIX calls once started).
#include "platform/Sockets.h"

#include "platform/SocketAddress.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>

namespace stormbell {

bool IsWouldBlock(int error) {
    return error == EWOULDBLOCK || error == EAGAIN || error == EINTR;
}

int NotConnectedError() {
    return ENOTCONN;
}

bool ConnectSocket(SocketHandle s, SocketEndpoint peer, int timeoutMs, const WakeSignal* wake) {
    const sockaddr_in address = ToSockaddr(peer);
    return ConnectTo(s, reinterpret_cast<const sockaddr*>(&address), sizeof address, timeoutMs,
                     wake);
}

bool ConnectSocket6(SocketHandle s, const Ipv6Address& address, std::uint16_t port, int timeoutMs,
                    const WakeSignal* wake) {
    const sockaddr_in6 peer = ToSockaddr6(address, port);
    return ConnectTo(s, reinterpret_cast<const sockaddr*>(&peer), sizeof peer, timeoutMs, wake);
}

std::uint32_t ParseDottedAddress(const std::string& text) {
    StartSocketLibrary();
    return ::inet_addr(text.c_str());
}

std::optional<Ipv6Address> ParseIpv6Address(const std::string& text) {
    StartSocketLibrary();
    in6_addr parsed{};
    if (::inet_pton(AF_INET6, text.c_str(), &parsed) != 1)
        return std::nullopt;
    Ipv6Address address;
    std::memcpy(address.data(), &parsed, address.size());
    return address;
}

std::uint32_t LookupHostAddress(const std::string& name) {
    StartSocketLibrary();
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return NoAddress;
    std::uint32_t address = NoAddress;
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addrlen >= sizeof(sockaddr_in)) {
            address = reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr;
            break;
        }
    }
    ::freeaddrinfo(found);
    return address;
}

std::string LocalHostName() {
    StartSocketLibrary();
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return "";
    return name;
}

} // namespace stormbell
