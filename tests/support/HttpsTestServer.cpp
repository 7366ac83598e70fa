#include "tests/support/HttpsTestServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace stormbell::testing {

namespace {

constexpr const char* kScripts = STORMBELL_SOURCE_DIR "/tests/net";
constexpr const char* kListening = "serving HTTPS on 127.0.0.1:";

// Starts `args` with its standard error on `errorFd` (-1: inherited); returns its pid.
pid_t Spawn(std::vector<std::string> args, int errorFd, int closeFd) {
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (errorFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, errorFd, 2);
        posix_spawn_file_actions_addclose(&actions, closeFd);
    }
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + args[0]);
    return pid;
}

const char* CertificateName(ServerCertificate certificate) {
    switch (certificate) {
    case ServerCertificate::Trusted:
        return "server";
    case ServerCertificate::WrongName:
        return "wrongname";
    case ServerCertificate::Stranger:
        return "stranger";
    }
    return "server";
}

} // namespace

HttpsTestServer::HttpsTestServer(ServerCertificate certificate) {
    std::string pattern = (std::filesystem::temp_directory_path() / "stormbell-https-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary directory");
    root_ = pattern;
    try {
        const auto reports = Root() / "data/observations/metar/decoded";
        std::filesystem::create_directories(reports);
        for (const auto& entry :
             std::filesystem::directory_iterator(STORMBELL_TEST_DATA_DIR "/reports"))
            if (entry.path().extension() == ".TXT")
                std::filesystem::copy_file(entry.path(), reports / entry.path().filename());
        const auto certs = root_ / "certs";
        int status = 0;
        const pid_t maker =
            Spawn({"/bin/bash", std::string(kScripts) + "/make_test_ca.sh", certs}, -1, -1);
        if (::waitpid(maker, &status, 0) != maker || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            throw std::runtime_error("make_test_ca.sh failed");

        int pipe[2];
        if (::pipe(pipe) != 0)
            throw std::runtime_error("cannot make a pipe");
        const std::string name = CertificateName(certificate);
        pid_ = Spawn({"/usr/bin/python3", std::string(kScripts) + "/https_server.py", Root(),
                      certs / (name + ".pem"), certs / (name + ".key")},
                     pipe[1], pipe[0]);
        ::close(pipe[1]);
        output_ = pipe[0];
        // Blocks until the server says where it listens, or ends.
        const std::string line = NextLine();
        const auto at = line.find(kListening);
        if (at == std::string::npos)
            throw std::runtime_error("https_server.py did not start: " + line);
        port_ = static_cast<std::uint16_t>(std::atoi(line.c_str() + at + std::strlen(kListening)));
    } catch (...) {
        Stop();
        throw;
    }
}

std::string HttpsTestServer::NextLine() {
    std::string line;
    char c = 0;
    while (::read(output_, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

void HttpsTestServer::AwaitSilentRequest() {
    for (std::string line = NextLine(); line != "request /silent/"; line = NextLine())
        if (line.empty())
            throw std::runtime_error("https_server.py ended before the request");
}

HttpsTestServer::~HttpsTestServer() {
    Stop();
}

void HttpsTestServer::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (output_ >= 0) {
        ::close(output_);
        output_ = -1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

} // namespace stormbell::testing
