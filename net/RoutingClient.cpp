#include "net/RoutingClient.h"

#include "net/ReportHost.h"

namespace stormbell {

void RoutingClient::SetRequest(const ReportRequest& request) {
    current_ = ParseReportHost(request.Host).Protocol == ReportProtocol::Https ? &https_ : &ftp_;
    current_->SetRequest(request);
}

void RoutingClient::Abort() {
    ftp_.Abort();
    https_.Abort();
}

} // namespace stormbell
