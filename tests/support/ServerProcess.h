// What the tests' local servers share: a temporary tree holding the sample reports, and the
// server process that serves it, killed and the tree removed with the object.
#pragma once

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

extern char** environ;

namespace stormbell::testing {

/// The directory of the decoded reports on the servers.
inline constexpr const char* ReportDirectory = "data/observations/metar/decoded";

/// Where a started process's standard error goes; its standard output goes to /dev/null.
using ErrorRedirect = std::function<void(posix_spawn_file_actions_t&)>;

/// Starts `args` (the first a full path) and returns its pid; throws std::runtime_error when it
/// cannot.
inline pid_t SpawnProcess(std::vector<std::string> args, const ErrorRedirect& redirect = {}) {
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (redirect)
        redirect(actions);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + args[0]);
    return pid;
}

/// The port that `text`, a server's log, names after `marker`; 0 when it holds no marker.
inline std::uint16_t PortAfter(const std::string& text, const std::string& marker) {
    const auto at = text.find(marker);
    return at == std::string::npos
               ? 0
               : static_cast<std::uint16_t>(std::atoi(text.c_str() + at + marker.size()));
}

class ServerProcess {
public:
    /// Makes the tree "stormbell-NAME-XXXXXX" in the temporary directory, with the sample
    /// reports in SERVED/ReportDirectory below it; throws std::runtime_error when it cannot.
    ServerProcess(const std::string& name, const std::filesystem::path& served) {
        std::string pattern =
            std::filesystem::temp_directory_path() / ("stormbell-" + name + "-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary directory");
        tree_ = pattern;
        const auto reports = tree_ / served / ReportDirectory;
        std::filesystem::create_directories(reports);
        for (const auto& entry :
             std::filesystem::directory_iterator(STORMBELL_TEST_DATA_DIR "/reports"))
            if (entry.path().extension() == ".TXT")
                std::filesystem::copy_file(entry.path(), reports / entry.path().filename());
    }
    /// Kills the server and removes the tree; runs too when a server's constructor throws.
    ~ServerProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(tree_, ignored);
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

protected:
    std::filesystem::path tree_;
    pid_t pid_ = -1;
};

} // namespace stormbell::testing
