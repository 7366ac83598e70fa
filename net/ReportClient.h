// The seam between the update cycle and whatever fetches a report: the FTP client, the HTTPS
// client, or the router that picks one of them by the Host text.
#pragma once

#include <optional>
#include <string>

#include "net/MemoryStream.h"

namespace stormbell {

/// Where one cycle's report is and how to reach it, as the settings hold it.
struct ReportRequest {
    std::string Host; ///< the Host setting: a host name, "ftp://name" or "https://name[:port]"
    std::optional<int> Port; ///< the port to connect on instead of the protocol's own (Use Proxy)
    std::string Directory;   ///< the report directory ("Direct1")
    std::string FileName;    ///< the station file ("OCityStr")
    /// Fetch the file only when it changed since the last one this client received from the
    /// same address; a client that cannot tell fetches it whole.
    bool IfChanged = false;
};

/// One report fetch in the cycle's steps. One thread runs the steps; any thread may call Abort.
/// Every failure of the network is an exception of the ETcpIpError family.
class ReportClient {
public:
    virtual ~ReportClient() = default;
    /// Where the next steps go; reaches no server. Throws ETcpIpError when the Host text names
    /// no server this client can reach.
    virtual void SetRequest(const ReportRequest& request) = 0;
    /// Reaches the server and is let in; throws when it cannot be reached, refuses the
    /// connection, its certificate or the login.
    virtual void Login() = 0;
    /// Goes to the request's directory; throws when the server refuses it.
    virtual void ChangeDir() = 0;
    /// Fetches the request's file into Report, positioned at its start; throws when the server
    /// refuses the file or the transfer breaks a bound.
    virtual void Download() = 0;
    /// The downloaded bytes.
    virtual const MemoryStream& Report() = 0;
    /// After Download: the server said the file is the one it sent last time (an IfChanged
    /// request), and sent nothing.
    virtual bool Unchanged() const { return false; }
    /// Ends the session; throws when the server refuses to end it or after Abort.
    virtual void Logout() = 0;
    /// Forgets what tells whether the last report changed, as after a request to another place:
    /// the next request fetches the whole file. Never throws.
    virtual void Forget() {}
    /// From any thread: the running step ends promptly with ETcpIpError "Transfer aborted", as
    /// does every later step until the next request (FTP: the next Login). Never throws.
    virtual void Abort() = 0;
};

} // namespace stormbell
