// The report over HTTPS (libcurl): one GET of https://name[:port]/<directory>/<file>, with the
// certificate and the host name always verified and the same bounds as the FTP client.
//
// Login makes the whole request, so that what the design counts as a failed login shows there:
// a host that cannot be resolved or reached, TLS refused (certificate, name, redirect), HTTP 401
// or 403, or a server that sends no answer. The file's own outcome (404, any other status, a
// body too large or too slow) is kept for Download. Builds without libcurl refuse at Login.
//
// An IfChanged request for the place of the last report received, with no request elsewhere
// between them, sends that report's ETag (If-None-Match) or time (If-Modified-Since); a 304
// answer leaves Report empty and Unchanged.
#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <memory>
#include <string>

#include "net/MemoryStream.h"
#include "net/NetTexts.h"
#include "net/ReportClient.h"
#include "net/ReportValidators.h"
#include "net/TcpIpErrors.h"

namespace stormbell {

class HttpsClient final : public ReportClient {
public:
    /// CaFile from the environment's SSL_CERT_FILE, as other programs take it.
    HttpsClient();
    ~HttpsClient() override;
    HttpsClient(const HttpsClient&) = delete;
    HttpsClient& operator=(const HttpsClient&) = delete;

    /// Takes the request and clears an earlier Abort; a request to another place than the last
    /// one forgets the last report's validators. Throws ETcpIpError when its Host is not
    /// https://name[:port].
    void SetRequest(const ReportRequest& request) override;
    /// GETs the request's file (nothing for an empty file name; Report is then empty). Throws
    /// ECaBundleError when CaFile is not a regular file or TLS cannot read it; ETcpIpError when
    /// the host cannot be resolved or reached,
    /// TLS fails, a redirect goes elsewhere than https or too far, the server stays silent, its
    /// header is too large, or on an abort; EProtocolError ("HTTP", the status line cut to 200
    /// characters, the status) for 401 and 403.
    void Login() override;
    /// Nothing to do: the directory is part of the address. Throws after Abort.
    void ChangeDir() override { ThrowIfAborted(); }
    /// Throws what Login kept: EProtocolError for 404 naming the file, directory and host, and
    /// with the status line for any other status but 2xx; ETcpIpError past MaxDownloadSize, on a
    /// time-out, past TransferTimeout or below the low-speed limit; after Abort.
    void Download() override;
    const MemoryStream& Report() override;
    bool Unchanged() const override { return unchanged_; }
    /// Bytes of headers and bodies the last request received, redirects included.
    std::size_t ReceivedBytes() const;
    /// Nothing to end (the connection is kept for the next cycle). Throws after Abort.
    void Logout() override { ThrowIfAborted(); }
    void Abort() override;
    void Forget() override { validators_.Forget(); }

    /// The CA bundle to verify against; empty: the system's trust store. Given, it is the only
    /// trust: the system's store is not consulted.
    std::string CaFile;
    /// Milliseconds allowed to connect and finish the TLS handshake; 0: curl's default.
    int ConnectTimeout = nettexts::DefaultConnectTimeoutMs;
    /// Milliseconds the server may stay silent once connected, and the low-speed window.
    int IdleTimeout = nettexts::DefaultIdleTimeoutMs;
    /// Milliseconds the whole request may take, redirects included; 0: no limit.
    int TransferTimeout = nettexts::DefaultTransferTimeoutMs;
    /// Fewest bytes a second the answer must move, measured over IdleTimeout; 0: no limit.
    std::size_t LowSpeedLimit = nettexts::DefaultLowSpeedLimit;
    /// Largest body taken into Report.
    std::size_t MaxDownloadSize = nettexts::DefaultMaxDownloadSize;
    /// Most redirects followed, each only to https.
    long MaxRedirects = 3;

private:
    struct Session;
    void ThrowIfAborted() const {
        if (aborted_)
            throw ETcpIpError(nettexts::ErrorAborted);
    }

    std::unique_ptr<Session> session_;
    ReportRequest request_;
    std::string hostName_;
    int port_ = 0;
    std::atomic<bool> aborted_{false};
    std::exception_ptr kept_;
    bool unchanged_ = false;
    ReportPlace place_;
    // What tells whether the last report received has changed since.
    ReportValidators validators_;
};

} // namespace stormbell
