// A loopback port for a test server that the gauge's proxy port field (0..32766) can hold; the
// system's own choice of a free port always lies above that range.
#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace stormbell::testing {

/// A port in 20000..32766 that nothing listens on at the moment of the call.
inline std::uint16_t FreeProxyPort() {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> ports(20000, 32766);
    for (int tries = 0; tries < 200; ++tries) {
        const auto port = static_cast<std::uint16_t>(ports(random));
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        const bool free = ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(s);
        if (free)
            return port;
    }
    throw std::runtime_error("no free port below 32767");
}

} // namespace stormbell::testing
