// Debian's pyftpdlib as a real FTP server for the tests: started on loopback at a free port on a
// temporary tree holding the sample reports, killed when the object goes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/support/ServerProcess.h"

namespace stormbell::testing {

class PyFtpServer : public ServerProcess {
public:
    /// Copies the sample reports into a new temporary tree and starts the server on it at
    /// `address` and `port`, or a free port for 0; throws std::runtime_error when it does not
    /// start.
    explicit PyFtpServer(std::uint16_t port = 0, const std::string& address = "127.0.0.1");

    std::uint16_t Port() const { return FPort; }
    /// The served tree's root on disk.
    const std::filesystem::path& Root() const { return tree_; }

private:
    std::uint16_t FPort = 0;
};

} // namespace stormbell::testing
