// Debian's pyftpdlib as a real FTP server for the tests: started on loopback at a free port on a
// temporary tree holding the sample reports, killed when the object goes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>

namespace stormbell::testing {

/// The directory of the decoded reports on the server.
inline constexpr const char* ReportDirectory = "data/observations/metar/decoded";

class PyFtpServer {
public:
    /// Copies the sample reports into a new temporary tree and starts the server on it (with
    /// write permission when `writable`) at `port`, or at a free one for 0; throws
    /// std::runtime_error when it does not start.
    explicit PyFtpServer(bool writable, std::uint16_t port = 0);
    /// Kills the server and removes the tree.
    ~PyFtpServer();
    PyFtpServer(const PyFtpServer&) = delete;
    PyFtpServer& operator=(const PyFtpServer&) = delete;

    std::uint16_t Port() const { return FPort; }
    /// The served tree's root on disk.
    const std::filesystem::path& Root() const { return FRoot; }

private:
    void Stop();
    std::filesystem::path FRoot;
    pid_t FPid = -1;
    std::uint16_t FPort = 0;
};

} // namespace stormbell::testing
