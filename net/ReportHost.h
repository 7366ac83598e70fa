// What the Host setting names: an FTP server (a bare name, as every stored setting holds it, or
// "ftp://name") or an HTTPS server ("https://name" or "https://name:port").
#pragma once

#include <optional>
#include <string>

namespace stormbell {

enum class ReportProtocol { Ftp, Https };

/// The server a Host text names.
struct ReportHost {
    ReportProtocol Protocol = ReportProtocol::Ftp;
    std::string Name;        ///< the host name (or address) to connect to
    std::optional<int> Port; ///< the port the text gives; only an https text gives one
};

/// Reads a Host text. A text without a scheme is an FTP host name taken unchanged; "ftp://" and a
/// trailing "/" are dropped; scheme names in any case. An https text must hold a host name of
/// letters, digits, '.', '-' and '_' and at most a port of 1..65535, else ETcpIpError.
ReportHost ParseReportHost(const std::string& host);

} // namespace stormbell
