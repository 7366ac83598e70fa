// A report client made on the first request that needs it: the HTTPS client, which the gauge
// loads from a module only then. A client that cannot be made refuses each request, saying why.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

#include "net/ReportClient.h"

namespace stormbell {

class LoadedClient final : public ReportClient {
public:
    /// Gives the client, or throws std::exception saying why there is none.
    using MakeClient = std::function<std::unique_ptr<ReportClient>()>;

    /// An empty `make` stands for a program that has no such client.
    explicit LoadedClient(MakeClient make) : make_(std::move(make)) {}

    /// Makes the client on the first call, then hands it the request. Throws ETcpIpError naming
    /// the host and the reason when the client cannot be made (tried again on the next request).
    void SetRequest(const ReportRequest& request) override;
    void Login() override { Client().Login(); }
    void ChangeDir() override { Client().ChangeDir(); }
    void Download() override { Client().Download(); }
    const MemoryStream& Report() override;
    bool Unchanged() const override;
    /// Nothing to end before the client exists.
    void Logout() override;
    void Abort() override;
    void Forget() override;

private:
    ReportClient& Client();

    MakeClient make_;
    std::unique_ptr<ReportClient> client_;
    // Abort may come from another thread while the cycle's thread makes the client.
    std::atomic<ReportClient*> made_{nullptr};
};

} // namespace stormbell
