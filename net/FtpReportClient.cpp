#include "net/FtpReportClient.h"

#include "net/ReportHost.h"

namespace stormbell {

void FtpReportClient::SetRequest(const ReportRequest& request) {
    const ReportHost host = ParseReportHost(request.Host);
    ftp_.ServerPort = request.Port.value_or(host.Port.value_or(nettexts::FtpPort));
    ftp_.Hostname = host.Name;
    ftp_.URI = request.FileName;
    directory_ = request.Directory;
}

} // namespace stormbell
