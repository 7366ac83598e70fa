// A local HTTPS server of the sample reports with a throwaway CA made for it: Python's
// http.server under ssl on loopback (tests/net/https_server.py, which also plays the hostile
// server on some paths), stopped and removed with the object.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/support/ServerProcess.h"

namespace stormbell::testing {

/// Which certificate the server shows.
enum class ServerCertificate {
    Trusted,   ///< for 127.0.0.1, signed by the CA in CaFile
    WrongName, ///< for another name, signed by the same CA
    Stranger,  ///< for 127.0.0.1, signed by a CA nobody trusts
};

class HttpsTestServer : public ServerProcess {
public:
    /// Makes the CA and certificates, copies the sample reports into a new temporary tree and
    /// starts the server on `address` (127.0.0.1 or ::1); throws std::runtime_error when any of
    /// it fails.
    explicit HttpsTestServer(ServerCertificate certificate = ServerCertificate::Trusted,
                             const std::string& address = "127.0.0.1");
    ~HttpsTestServer();

    std::uint16_t Port() const { return port_; }
    /// "https://127.0.0.1:PORT", or "https://[::1]:PORT".
    std::string Host() const {
        const bool ipv6 = address_.find(':') != std::string::npos;
        return "https://" + (ipv6 ? "[" + address_ + "]" : address_) + ":" + std::to_string(port_);
    }
    /// The CA bundle that trusts the Trusted and WrongName certificates.
    std::filesystem::path CaFile() const { return tree_ / "certs" / "ca.pem"; }
    /// Blocks until the server says it has received a request for /silent/.
    void AwaitSilentRequest();
    /// The served tree's root on disk.
    std::filesystem::path Root() const { return tree_ / "www"; }

private:
    /// The server's next line on standard error; "" when it has ended.
    std::string NextLine();
    std::string address_;
    int output_ = -1;
    std::uint16_t port_ = 0;
};

} // namespace stormbell::testing
