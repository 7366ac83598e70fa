// Whether the session bus answers, asked before anything waits on it: the toolkit's D-Bus calls
// block without a bound on a bus that accepts a connection and never speaks.
#pragma once

#include "platform/Sockets.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace stormbell {

/// One place a D-Bus address names: a local socket (by path, or in Linux's abstract namespace)
/// or a TCP host and port.
struct BusEndpoint {
    enum class Kind { Path, Abstract, Tcp };
    Kind Type = Kind::Path;
    std::string Where; ///< the path, the abstract name or the host
    std::uint16_t Port = 0;

    bool operator==(const BusEndpoint&) const = default;
};

/// The places `address` names, in its order ("unix:path=/run/user/1000/bus;tcp:host=h,port=1"),
/// their values unescaped (%2f). Entries of other transports, and entries that are not well
/// formed, are left out: nothing here connects to them.
std::vector<BusEndpoint> BusEndpoints(std::string_view address);

/// How a bus met the start of the D-Bus handshake.
enum class BusAnswer {
    Answered, ///< a place took the connection and answered the authentication in time
    Silent,   ///< the first place that took the connection did not answer in time
    Refused   ///< no place took the connection, or it ended it: a client fails at once
};

/// Connects to the places of `address` in turn as a D-Bus client does, and on the first that
/// takes the connection sends the handshake's opening (a NUL byte and "AUTH") and waits for the
/// reply line; all within `limit`. Never throws.
BusAnswer ProbeBus(std::string_view address, std::chrono::milliseconds limit);

/// A stream socket connected to the local socket `name` (a path, or with `abstract` a name in
/// Linux's abstract namespace) within `timeoutMs`; NoSocketHandle on failure, with the errno
/// value in `error` (EAGAIN when the listener's queue is full, ETIMEDOUT, EAFNOSUPPORT where the
/// system has no such sockets).
SocketHandle ConnectLocalSocket(const std::string& name, bool abstract, int timeoutMs, int& error);

} // namespace stormbell
