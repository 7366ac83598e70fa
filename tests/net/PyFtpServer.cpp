#include "PyFtpServer.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace stormbell::testing {

namespace {

// The system's interpreter, which is the one that has Debian's pyftpdlib.
constexpr const char* Python = "/usr/bin/python3";

std::uint16_t PortFromLog(const std::filesystem::path& log, const std::string& address) {
    std::stringstream text;
    text << std::ifstream(log).rdbuf();
    return PortAfter(text.str(), "starting FTP server on " + address + ":");
}

} // namespace

PyFtpServer::PyFtpServer(std::uint16_t port, const std::string& address)
    : ServerProcess("ftp", "") {
    const std::string log = (tree_ / "server.log").string();
    const std::vector<std::string> args = {
        Python, "-m", "pyftpdlib", "-i", address, "-p", std::to_string(port), "-d", tree_};
    // pyftpdlib logs as it serves: a file, not a pipe that nobody reads, takes all of it.
    pid_ = SpawnProcess(args, [&](posix_spawn_file_actions_t& actions) {
        posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    });
    for (int tries = 0; tries < 300 && FPort == 0; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        FPort = PortFromLog(log, address);
    }
    if (FPort == 0)
        throw std::runtime_error("pyftpdlib did not start; see its log");
}

} // namespace stormbell::testing
