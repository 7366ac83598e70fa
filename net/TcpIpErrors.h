// The exception family of the network component: host, socket and protocol failures.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace stormbell {

/// Any failure of the network component; raised directly for an unresolvable host or a
/// time-out.
class ETcpIpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A host name that resolves to no address; the message names the host.
class EHostNotFound : public ETcpIpError {
public:
    using ETcpIpError::ETcpIpError;
};

/// A connection that could not be made; `ErrorCode` is the socket library's error code.
class ESocketError : public ETcpIpError {
public:
    explicit ESocketError(std::uint16_t errorCode);
    /// A failure whose own text says more than "Error creating socket" (curl's, for HTTPS).
    ESocketError(std::uint16_t errorCode, const std::string& message);
    std::uint16_t ErrorCode;
};

/// A CA bundle that cannot verify any server: missing, not a regular file or unreadable. The
/// message names the bundle; nothing was sent.
class ECaBundleError : public ETcpIpError {
public:
    using ETcpIpError::ETcpIpError;
};

/// A refusal or unreadable answer of the peer's protocol; the message is the reply text.
class EProtocolError : public ETcpIpError {
public:
    EProtocolError(std::string protocol, const std::string& message, std::uint16_t errorCode);
    std::string Protocol;
    std::uint16_t ErrorCode;
};

} // namespace stormbell
