#include "net/ReportHost.h"

#include <algorithm>
#include <cctype>

#include "net/TcpIpErrors.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr std::string_view kFtpScheme = "ftp://";
constexpr std::string_view kHttpsScheme = "https://";
constexpr const char* kBadHttpsHost = "Not an HTTPS server of the form https://name[:port]: ";

// Only what a host name can hold: no user, path, query or space can ride into the address.
bool IsHostName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
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

ReportHost HttpsHost(const std::string& host) {
    std::string_view authority = std::string_view(host).substr(kHttpsScheme.size());
    if (authority.ends_with('/'))
        authority.remove_suffix(1);
    ReportHost parsed{ReportProtocol::Https, std::string(authority), std::nullopt};
    const auto colon = authority.find(':');
    if (colon != std::string_view::npos) {
        parsed.Name = std::string(authority.substr(0, colon));
        parsed.Port = PortNumber(authority.substr(colon + 1));
        if (!parsed.Port)
            throw ETcpIpError(kBadHttpsHost + host);
    }
    if (!IsHostName(parsed.Name))
        throw ETcpIpError(kBadHttpsHost + host);
    return parsed;
}

} // namespace

ReportHost ParseReportHost(const std::string& host) {
    if (StartsWithIgnoringCase(host, kHttpsScheme))
        return HttpsHost(host);
    if (!StartsWithIgnoringCase(host, kFtpScheme))
        return {ReportProtocol::Ftp, host, std::nullopt};
    std::string name = host.substr(kFtpScheme.size());
    if (name.ends_with('/'))
        name.pop_back();
    return {ReportProtocol::Ftp, name, std::nullopt};
}

} // namespace stormbell
