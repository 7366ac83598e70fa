#include "net/FtpArguments.h"

#include <cstdint>

#include "net/NetTexts.h"
#include "net/TcpIpErrors.h"

namespace stormbell {

using namespace nettexts;

namespace {

constexpr std::uint16_t SyntaxErrorInArguments = 501;
constexpr char TelnetEscape = '\xFF';

bool IsControl(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 || value == 0x7F;
}

[[noreturn]] void Refuse(const std::string& message) {
    throw EProtocolError(ProtocolFtp, message, SyntaxErrorInArguments);
}

} // namespace

void CheckFtpArgument(const std::string& argument, const char* what, bool bounded) {
    if (argument.find_first_of("\r\n") != std::string::npos)
        Refuse(ErrorLineBreakIn + std::string(what));
    for (const char byte : argument)
        if (IsControl(byte))
            Refuse(ErrorControlByteIn + std::string(what));
    if (bounded && argument.size() > MaxArgumentLength)
        Refuse(ErrorTooLongPrefix + std::string(what) + ErrorTooLongSuffix);
}

std::string EscapeTelnet(const std::string& command) {
    std::string escaped;
    escaped.reserve(command.size());
    for (const char byte : command) {
        escaped += byte;
        if (byte == TelnetEscape)
            escaped += TelnetEscape;
    }
    return escaped;
}

} // namespace stormbell
