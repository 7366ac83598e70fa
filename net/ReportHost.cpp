#include "net/ReportHost.h"

#include <algorithm>
#include <cctype>

#include "net/NetTexts.h"
#include "net/TcpIpErrors.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr std::string_view kFtpScheme = "ftp://";
constexpr std::string_view kHttpsScheme = "https://";
constexpr const char* kBadHttpsHost = "Not an HTTPS server of the form https://name[:port]: ";
constexpr const char* kBadFtpHost = "Not an FTP server of the form name[:port]: ";
// The longest IPv6 text: eight groups, or six and an IPv4 address.
constexpr std::size_t kMostIpv6Chars = 45;

// Only what a host name can hold: no user, path, query or space can ride into the address.
bool IsHostName(std::string_view name) {
    return !name.empty() && name.size() <= nettexts::MaxHostNameLength &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' ||
                      c == '_';
           });
}

bool IsIpv6Literal(std::string_view address) {
    return address.size() <= kMostIpv6Chars && address.find(':') != std::string_view::npos &&
           std::all_of(address.begin(), address.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
           });
}

std::optional<int> PortNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 5 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    const int port = std::stoi(std::string(digits));
    if (port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// "name", "name:port", "[v6]" or "[v6]:port"; nothing when it is none of them.
std::optional<ReportHost> Authority(std::string_view authority, ReportProtocol protocol) {
    ReportHost parsed{protocol, {}, std::nullopt};
    std::string_view rest;
    if (authority.starts_with('[')) {
        const auto close = authority.find(']');
        if (close == std::string_view::npos || !IsIpv6Literal(authority.substr(1, close - 1)))
            return std::nullopt;
        parsed.Name = std::string(authority.substr(1, close - 1));
        rest = authority.substr(close + 1);
    } else {
        const auto colon = std::min(authority.find(':'), authority.size());
        if (!IsHostName(authority.substr(0, colon)))
            return std::nullopt;
        parsed.Name = std::string(authority.substr(0, colon));
        rest = authority.substr(colon);
    }
    if (rest.empty())
        return parsed;
    parsed.Port = rest.starts_with(':') ? PortNumber(rest.substr(1)) : std::nullopt;
    if (!parsed.Port)
        return std::nullopt;
    return parsed;
}

} // namespace

ReportHost ParseReportHost(const std::string& host) {
    std::string_view text = Trimmed(host);
    const bool https = StartsWithIgnoringCase(text, kHttpsScheme);
    if (https)
        text.remove_prefix(kHttpsScheme.size());
    else if (StartsWithIgnoringCase(text, kFtpScheme))
        text.remove_prefix(kFtpScheme.size());
    if (text.ends_with('/'))
        text.remove_suffix(1);
    const ReportProtocol protocol = https ? ReportProtocol::Https : ReportProtocol::Ftp;
    if (text.empty() && !https)
        return {protocol, {}, std::nullopt};
    if (auto parsed = Authority(text, protocol))
        return *parsed;
    throw ETcpIpError((https ? kBadHttpsHost : kBadFtpHost) + host);
}

std::string HostInUrl(const std::string& name) {
    return name.find(':') != std::string::npos ? "[" + name + "]" : name;
}

} // namespace stormbell
