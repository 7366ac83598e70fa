// Sends each cycle to the FTP or the HTTPS client, as the request's Host text names the server.
#pragma once

#include "net/ReportClient.h"

namespace stormbell {

class RoutingClient final : public ReportClient {
public:
    /// Both clients must outlive this object.
    RoutingClient(ReportClient& ftp, ReportClient& https) : ftp_(ftp), https_(https) {}

    /// Chooses the client by ParseReportHost and gives it the request; the steps go to that
    /// client until the next request. The other client forgets its last report, which a later
    /// request to its old place must fetch again. Throws as ParseReportHost, both clients then
    /// forgetting.
    void SetRequest(const ReportRequest& request) override;
    void Login() override { current_->Login(); }
    void ChangeDir() override { current_->ChangeDir(); }
    void Download() override { current_->Download(); }
    const MemoryStream& Report() override { return current_->Report(); }
    bool Unchanged() const override { return current_->Unchanged(); }
    void Logout() override { current_->Logout(); }
    /// Aborts both: the choice may be changing on the cycle's thread.
    void Abort() override;
    void Forget() override;

private:
    ReportClient& ftp_;
    ReportClient& https_;
    ReportClient* current_ = &ftp_;
};

} // namespace stormbell
