// Sends each cycle to the FTP or the HTTPS client, as the request's Host text names the server.
#pragma once

#include "net/ReportClient.h"

namespace stormbell {

class RoutingClient final : public ReportClient {
public:
    /// Both clients must outlive this object.
    RoutingClient(ReportClient& ftp, ReportClient& https) : ftp_(ftp), https_(https) {}

    /// Chooses the client by ParseReportHost (throwing as it does) and gives it the request;
    /// the steps go to that client until the next request.
    void SetRequest(const ReportRequest& request) override;
    void Login() override { current_->Login(); }
    void ChangeDir() override { current_->ChangeDir(); }
    void Download() override { current_->Download(); }
    const MemoryStream& Report() override { return current_->Report(); }
    bool Unchanged() const override { return current_->Unchanged(); }
    void Logout() override { current_->Logout(); }
    /// Aborts both: the choice may be changing on the cycle's thread.
    void Abort() override;

private:
    ReportClient& ftp_;
    ReportClient& https_;
    ReportClient* current_ = &ftp_;
};

} // namespace stormbell
