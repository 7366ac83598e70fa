#include "PyFtpServer.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
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
constexpr const char* PortMarker = "starting FTP server on 127.0.0.1:";

std::uint16_t PortFromLog(const std::filesystem::path& log) {
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    const auto at = all.find(PortMarker);
    if (at == std::string::npos)
        return 0;
    return static_cast<std::uint16_t>(std::atoi(all.c_str() + at + std::strlen(PortMarker)));
}

} // namespace

PyFtpServer::PyFtpServer(bool writable, std::uint16_t port) : ServerProcess("ftp", "") {
    const std::string log = (tree_ / "server.log").string();
    std::vector<std::string> args = {
        Python, "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", std::to_string(port), "-d", tree_};
    if (writable)
        args.push_back("-w");
    // pyftpdlib logs as it serves: a file, not a pipe that nobody reads, takes all of it.
    pid_ = SpawnProcess(args, [&](posix_spawn_file_actions_t& actions) {
        posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    });
    for (int tries = 0; tries < 300 && FPort == 0; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        FPort = PortFromLog(log);
    }
    if (FPort == 0)
        throw std::runtime_error("pyftpdlib did not start; see its log");
}

} // namespace stormbell::testing
