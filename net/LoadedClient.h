// A report client made on the first request that needs it: the HTTPS client, which the gauge
// loads from a module only then. A client that cannot be made refuses each request, saying why.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

#include "net/ReportClient.h"
#include "net/TcpIpErrors.h"
#include "platform/Wording.h"

namespace stormbell {

/// What a maker of a loaded client throws when the client's module is not installed; what() holds
/// what each place looked in gave, single-byte.
class EModuleMissing : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// No client could be made for a request to `Host`. what() says it in English; the parts let a
/// message word it in the reader's language.
class EClientUnavailable : public ETcpIpError {
public:
    enum class Cause {
        NotInProgram,  ///< this program was built without such a client
        ModuleMissing, ///< its module is not installed; Detail says what each place gave
        MakerFailed,   ///< the module refused to make one; Detail is its reason
    };
    EClientUnavailable(std::string host, Cause cause, std::string detail);

    std::string Host; ///< single-byte, as the request named it
    Cause Why;
    std::string Detail; ///< single-byte; empty for NotInProgram
};

/// Why no client could be made for `host`, by `cause` with `detail`, in `wording`'s words; the
/// host and the detail go in as given.
std::string ClientUnavailableText(EClientUnavailable::Cause cause, const std::string& host,
                                  const std::string& detail, const Wording& wording = English());

class LoadedClient final : public ReportClient {
public:
    /// Gives the client, or throws std::exception saying why there is none.
    using MakeClient = std::function<std::unique_ptr<ReportClient>()>;

    /// An empty `make` stands for a program that has no such client.
    explicit LoadedClient(MakeClient make) : make_(std::move(make)) {}

    /// Makes the client on the first call, then hands it the request. Throws EClientUnavailable
    /// when the client cannot be made (tried again on the next request).
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
