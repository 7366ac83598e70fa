// Why a connection could not be made, in the words a user reads: taken from the error code, not
// from the exception's own text, which names the socket call that failed.
#pragma once

#include <exception>
#include <string>

namespace stormbell {

/// "connection refused", "timed out", "no route to host", ... for a socket error code (an errno
/// value on every system); "socket error N" for a code without words of its own.
std::string SocketErrorWords(int errorCode);

/// The reason of a failed connection: "host not found" for an unresolvable host, the words of
/// the code of an ESocketError, and the message of any other error.
std::string ConnectFailureReason(const std::exception& error);

} // namespace stormbell
