// The address forms both sides of the sockets hand to the system's calls (IPv4 and IPv6), and the
// connect each side makes of them.
#pragma once

#include "platform/Sockets.h"

#include <cstring>
#include <optional>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace stormbell {

inline sockaddr_in ToSockaddr(SocketEndpoint endpoint) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(endpoint.Port);
    address.sin_addr.s_addr = endpoint.Address;
    return address;
}

inline SocketEndpoint FromSockaddr(const sockaddr_in& address) {
    return {address.sin_addr.s_addr, ntohs(address.sin_port)};
}

inline sockaddr_in6 ToSockaddr6(const Ipv6Address& address, std::uint16_t port) {
    sockaddr_in6 peer{};
    peer.sin6_family = AF_INET6;
    peer.sin6_port = htons(port);
    std::memcpy(&peer.sin6_addr, address.data(), address.size());
    return peer;
}

/// An IPv4 peer as it is; an IPv6 one by its port alone, with the address 0.
inline SocketEndpoint FromSockaddr(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET6)
        return {0, ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port)};
    return FromSockaddr(reinterpret_cast<const sockaddr_in&>(address));
}

inline std::optional<Ipv6Address> Ipv6Of(const sockaddr_storage& address) {
    if (address.ss_family != AF_INET6)
        return std::nullopt;
    Ipv6Address bytes;
    std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in6&>(address).sin6_addr,
                bytes.size());
    return bytes;
}

/// Connects `s` to `address` of `length` bytes within `timeoutMs` (0: no limit), given up when
/// `wake` is raised; false on failure, with LastSocketError() saying why (ETIMEDOUT when the time
/// ran out, ECANCELED when woken). Each side of the sockets has its own.
bool ConnectTo(SocketHandle s, const sockaddr* address, int length, int timeoutMs,
               const WakeSignal* wake);

} // namespace stormbell
