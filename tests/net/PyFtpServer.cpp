#include "PyFtpServer.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

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

PyFtpServer::PyFtpServer(bool writable, std::uint16_t port) {
    std::string pattern = (std::filesystem::temp_directory_path() / "stormbell-ftp-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary directory");
    FRoot = pattern;
    const auto reports = FRoot / ReportDirectory;
    std::filesystem::create_directories(reports);
    for (const auto& entry :
         std::filesystem::directory_iterator(STORMBELL_TEST_DATA_DIR "/reports"))
        if (entry.path().extension() == ".TXT")
            std::filesystem::copy_file(entry.path(), reports / entry.path().filename());

    const std::string log = (FRoot / "server.log").string();
    const std::string root = FRoot.string();
    std::vector<std::string> args = {
        Python, "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", std::to_string(port), "-d", root};
    if (writable)
        args.push_back("-w");
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int spawned = posix_spawn(&FPid, Python, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        FPid = -1;
        std::filesystem::remove_all(FRoot);
        throw std::runtime_error("cannot start " + std::string(Python));
    }
    for (int tries = 0; tries < 300 && FPort == 0; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        FPort = PortFromLog(log);
    }
    if (FPort == 0) {
        Stop();
        throw std::runtime_error("pyftpdlib did not start; see its log");
    }
}

PyFtpServer::~PyFtpServer() {
    Stop();
}

void PyFtpServer::Stop() {
    if (FPid > 0) {
        ::kill(FPid, SIGKILL);
        ::waitpid(FPid, nullptr, 0);
        FPid = -1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(FRoot, ignored);
}

} // namespace stormbell::testing
