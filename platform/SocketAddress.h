// The IPv4 address form both sides of the sockets hand to the system's calls.
#pragma once

#include "platform/Sockets.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <netinet/in.h>
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

} // namespace stormbell
