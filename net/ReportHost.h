// What the Host setting names: an FTP server (a bare name, as every stored setting holds it, or
// "ftp://name") or an HTTPS server ("https://name"), either with ":port" and the name possibly
// an IPv6 literal in brackets ("[::1]").
#pragma once

#include <optional>
#include <string>

namespace stormbell {

enum class ReportProtocol { Ftp, Https };

/// The server a Host text names.
struct ReportHost {
    ReportProtocol Protocol = ReportProtocol::Ftp;
    std::string Name;        ///< the host name or address to connect to, without brackets
    std::optional<int> Port; ///< the port the text gives, if it gives one
};

/// Reads a Host text. Blanks, tabs and line ends at either end are dropped; so are a scheme
/// ("ftp://" or "https://", in any case; none means FTP) and one trailing "/". What is left must
/// be a host name of letters, digits, '.', '-' and '_' (at most 253 of them) or an IPv6 literal
/// in brackets, optionally followed by a port of 1..65535; anything else (a blank or a control
/// character inside, a user, a path) throws ETcpIpError quoting the text as it is (whoever shows
/// the message escapes it, once). An empty FTP text gives an empty name, which fails to resolve
/// later.
ReportHost ParseReportHost(const std::string& host);

/// `name` as a URL or a message writes a host: an IPv6 address in brackets.
std::string HostInUrl(const std::string& name);

} // namespace stormbell
