#include "net/FtpReportClient.h"

#include "net/ReportHost.h"

namespace stormbell {

void FtpReportClient::SetRequest(const ReportRequest& request) {
    ftp_.ServerPort = request.Port.value_or(nettexts::FtpPort);
    ftp_.Hostname = ParseReportHost(request.Host).Name;
    ftp_.URI = request.FileName;
    directory_ = request.Directory;
}

} // namespace stormbell
