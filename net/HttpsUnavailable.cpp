// HttpsClient in a build without libcurl: every request is refused at Login, with the reason.
#include "net/HttpsClient.h"

#include "net/TcpIpErrors.h"

namespace stormbell {

namespace {

constexpr const char* kNoHttps = "This build cannot fetch over HTTPS (built without libcurl): ";

} // namespace

struct HttpsClient::Session {
    MemoryStream report;
};

HttpsClient::HttpsClient() : session_(std::make_unique<Session>()) {}

HttpsClient::~HttpsClient() = default;

void HttpsClient::SetRequest(const ReportRequest& request) {
    aborted_ = false;
    throw ETcpIpError(kNoHttps + request.Host);
}

void HttpsClient::Login() {
    ThrowIfAborted();
}

void HttpsClient::Download() {
    ThrowIfAborted();
}

const MemoryStream& HttpsClient::Report() {
    return session_->report;
}

void HttpsClient::Abort() {
    aborted_ = true;
}

} // namespace stormbell
