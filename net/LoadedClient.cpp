#include "net/LoadedClient.h"

#include <exception>

#include "net/TcpIpErrors.h"

namespace stormbell {

namespace {

constexpr const char* kUnavailable = "HTTPS is unavailable, so nothing can be fetched from ";
constexpr const char* kNotInProgram = "this program has no HTTPS client";
constexpr const char* kNoRequest = "No request has been made";

} // namespace

void LoadedClient::SetRequest(const ReportRequest& request) {
    if (client_ == nullptr) {
        try {
            if (!make_)
                throw ETcpIpError(kNotInProgram);
            client_ = make_();
        } catch (const std::exception& failure) {
            throw ETcpIpError(kUnavailable + request.Host + ": " + failure.what());
        }
        made_ = client_.get();
    }
    client_->SetRequest(request);
}

ReportClient& LoadedClient::Client() {
    if (client_ == nullptr)
        throw ETcpIpError(kNoRequest);
    return *client_;
}

const MemoryStream& LoadedClient::Report() {
    static const MemoryStream kNothing;
    return client_ != nullptr ? client_->Report() : kNothing;
}

bool LoadedClient::Unchanged() const {
    return client_ != nullptr && client_->Unchanged();
}

void LoadedClient::Logout() {
    if (client_ != nullptr)
        client_->Logout();
}

void LoadedClient::Forget() {
    if (client_ != nullptr)
        client_->Forget();
}

void LoadedClient::Abort() {
    if (ReportClient* client = made_.load())
        client->Abort();
}

} // namespace stormbell
