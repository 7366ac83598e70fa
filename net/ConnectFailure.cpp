#include "net/ConnectFailure.h"

#include <cerrno>

#include "net/TcpIpErrors.h"

namespace stormbell {

std::string SocketErrorWords(int errorCode) {
    switch (errorCode) {
    case ECONNREFUSED:
        return "connection refused";
    case ETIMEDOUT:
        return "timed out";
    case EHOSTUNREACH:
        return "no route to host";
    case ENETUNREACH:
        return "network unreachable";
    case ECONNRESET:
        return "connection reset";
    case ECONNABORTED:
        return "connection aborted";
    case EADDRNOTAVAIL:
        return "address not available";
    case EACCES:
        return "permission denied";
    case EMFILE:
    case ENOBUFS:
        return "no sockets left";
    default:
        return "socket error " + std::to_string(errorCode);
    }
}

std::string ConnectFailureReason(const std::exception& error) {
    if (dynamic_cast<const EHostNotFound*>(&error) != nullptr)
        return "host not found";
    if (const auto* socket = dynamic_cast<const ESocketError*>(&error))
        return SocketErrorWords(socket->ErrorCode);
    return error.what();
}

} // namespace stormbell
