#include "net/RoutingClient.h"

#include "net/ReportHost.h"

namespace stormbell {

void RoutingClient::SetRequest(const ReportRequest& request) {
    ReportProtocol protocol;
    try {
        protocol = ParseReportHost(request.Host).Protocol;
    } catch (...) {
        Forget();
        throw;
    }
    current_ = protocol == ReportProtocol::Https ? &https_ : &ftp_;
    // The client not chosen never sees this request, so it must not take its last place for
    // the current one when a later request goes back there.
    (current_ == &https_ ? ftp_ : https_).Forget();
    current_->SetRequest(request);
}

void RoutingClient::Forget() {
    ftp_.Forget();
    https_.Forget();
}

void RoutingClient::Abort() {
    ftp_.Abort();
    https_.Abort();
}

} // namespace stormbell
