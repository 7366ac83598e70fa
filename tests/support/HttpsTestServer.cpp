#include "tests/support/HttpsTestServer.h"

#include <stdexcept>

#include <unistd.h>

namespace stormbell::testing {

namespace {

constexpr const char* kScripts = STORMBELL_SOURCE_DIR "/tests/net";

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

HttpsTestServer::HttpsTestServer(ServerCertificate certificate, const std::string& address)
    : ServerProcess("https", "www"), address_(address) {
    const auto certs = tree_ / "certs";
    int status = 0;
    const pid_t maker =
        SpawnProcess({"/bin/bash", std::string(kScripts) + "/make_test_ca.sh", certs});
    if (::waitpid(maker, &status, 0) != maker || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("make_test_ca.sh failed");

    int pipe[2];
    if (::pipe(pipe) != 0)
        throw std::runtime_error("cannot make a pipe");
    output_ = pipe[0];
    const std::string name = CertificateName(certificate);
    try {
        pid_ = SpawnProcess({"/usr/bin/python3", std::string(kScripts) + "/https_server.py", Root(),
                             certs / (name + ".pem"), certs / (name + ".key"), "0", address},
                            [&](posix_spawn_file_actions_t& actions) {
                                posix_spawn_file_actions_adddup2(&actions, pipe[1], 2);
                                posix_spawn_file_actions_addclose(&actions, pipe[0]);
                            });
        ::close(pipe[1]);
        // Blocks until the server says where it listens, or ends.
        const std::string line = NextLine();
        port_ = PortAfter(line, "serving HTTPS on " + address + ":");
        if (port_ == 0)
            throw std::runtime_error("https_server.py did not start: " + line);
    } catch (...) {
        ::close(output_);
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
    ::close(output_);
}

} // namespace stormbell::testing
