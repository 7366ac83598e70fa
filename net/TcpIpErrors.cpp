#include "net/TcpIpErrors.h"

#include <utility>

#include "net/NetTexts.h"

namespace stormbell {

ESocketError::ESocketError(std::uint16_t errorCode)
    : ETcpIpError(nettexts::ErrorSocket), ErrorCode(errorCode) {}

ESocketError::ESocketError(std::uint16_t errorCode, const std::string& message)
    : ETcpIpError(message), ErrorCode(errorCode) {}

EProtocolError::EProtocolError(std::string protocol, const std::string& message,
                               std::uint16_t errorCode)
    : ETcpIpError(message), Protocol(std::move(protocol)), ErrorCode(errorCode) {}

} // namespace stormbell
