// Local sockets for the bus probe on Windows: none. A session bus there is found by the
// toolkit's own means, and a probe of one it names by a local socket counts as not reached.
#include "platform/SessionBus.h"

#include <cerrno>

namespace stormbell {

SocketHandle ConnectLocalSocket(const std::string&, bool, int, int& error) {
    error = EAFNOSUPPORT;
    return NoSocketHandle;
}

} // namespace stormbell
