#include "net/LoadedClient.h"

#include <exception>
#include <utility>

#include "net/TcpIpErrors.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace {

constexpr const char* kNoRequest = "No request has been made";

} // namespace

std::string ClientUnavailableText(EClientUnavailable::Cause cause, const std::string& host,
                                  const std::string& detail, const Wording& wording) {
    const Words say(wording, "Failure");
    switch (cause) {
    case EClientUnavailable::Cause::NotInProgram:
        return say(STORMBELL_TEXT("Failure", "HTTPS is unavailable, so nothing can be fetched "
                                             "from %1: this program has no HTTPS client"),
                   {host});
    case EClientUnavailable::Cause::ModuleMissing:
        return say(STORMBELL_TEXT("Failure", "HTTPS is unavailable, so nothing can be fetched "
                                             "from %1: its module is not installed:%2"),
                   {host, detail});
    case EClientUnavailable::Cause::MakerFailed:
        break;
    }
    return say(STORMBELL_TEXT("Failure", "HTTPS is unavailable, so nothing can be fetched from "
                                         "%1: %2"),
               {host, detail});
}

EClientUnavailable::EClientUnavailable(std::string host, Cause cause, std::string detail)
    : ETcpIpError(ClientUnavailableText(cause, host, detail)), Host(std::move(host)), Why(cause),
      Detail(std::move(detail)) {}

void LoadedClient::SetRequest(const ReportRequest& request) {
    if (client_ == nullptr) {
        using Cause = EClientUnavailable::Cause;
        if (!make_)
            throw EClientUnavailable(request.Host, Cause::NotInProgram, {});
        try {
            client_ = make_();
        } catch (const EModuleMissing& missing) {
            throw EClientUnavailable(request.Host, Cause::ModuleMissing, missing.what());
        } catch (const std::exception& failure) {
            throw EClientUnavailable(request.Host, Cause::MakerFailed, failure.what());
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
