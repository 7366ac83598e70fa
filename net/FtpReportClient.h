// The FTP client behind the update cycle's seam: each step is the TFTP operation of the same
// name, with the server, port, directory and file name of the request.
#pragma once

#include "net/Ftp.h"
#include "net/ReportClient.h"

namespace stormbell {

class FtpReportClient final : public ReportClient {
public:
    /// Drives `ftp`, which must outlive this object.
    explicit FtpReportClient(TFTP& ftp) : ftp_(ftp) {}

    /// ServerPort: the request's port, else the Host text's, else 21; Hostname: the host name of
    /// the request's Host text (throwing as ParseReportHost does); URI: the file name.
    void SetRequest(const ReportRequest& request) override;
    void Login() override { ftp_.Login(); }
    void ChangeDir() override { ftp_.ChangeDir(directory_); }
    void Download() override { ftp_.Download(); }
    const MemoryStream& Report() override { return ftp_.Stream(); }
    void Logout() override { ftp_.Logout(); }
    void Abort() override { ftp_.Abort(); }

private:
    TFTP& ftp_;
    std::string directory_;
};

} // namespace stormbell
