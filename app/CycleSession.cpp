#include "app/CycleSession.h"

#include "net/Ftp.h"
#include "net/FtpReportClient.h"
#include "net/LoadedClient.h"
#include "net/RoutingClient.h"
#include "observation/ReportLines.h"

#include <utility>

namespace stormbell {

namespace {

// A report is about a kilobyte and the decoder refuses more than kMaxReportBytes; a cap just
// above that also bounds how long a server trickling at the low-speed limit can hold a cycle.
constexpr std::size_t kMaxDownloadSize = kMaxReportBytes + 1;

// The HTTPS client within the session's bounds, made on the first https:// request.
LoadedClient::MakeClient HttpsWithin(const ClientLimits& limits) {
    if (!limits.MakeHttps)
        return nullptr;
    return [limits] { return limits.MakeHttps({kMaxDownloadSize, limits.IdleTimeout}); };
}

} // namespace

struct CycleSession::Clients {
    explicit Clients(const ClientLimits& limits) : https(HttpsWithin(limits)) {
        ftp.MaxDownloadSize = kMaxDownloadSize;
        ftp.IdleTimeout = limits.IdleTimeout;
        ftp.Username = nettexts::AnonymousUsername;
        ftp.Password = nettexts::AnonymousPassword;
    }
    TFTP ftp;
    LoadedClient https;
    FtpReportClient ftpClient{ftp};
    // The cycle's client: the FTP or the HTTPS client, as the Host text names the server.
    RoutingClient routing{ftpClient, https};
};

CycleSession::CycleSession(Lamps& lamps, StatusLine& status, CycleWait& pause,
                           AbortableRunner& runner, const ClientLimits& limits, DecodeReport decode,
                           const Wording& wording)
    : lamps_(lamps), status_(status), pause_(pause), runner_(runner),
      clients_(std::make_unique<Clients>(limits)),
      cycle_(std::make_unique<UpdateCycle>(clients_->routing, lamps_, status_, runner_,
                                           std::move(decode), wording)) {}

CycleSession::~CycleSession() = default;

const std::string& CycleSession::Report() const {
    static const std::string kNone;
    return cycle_ ? cycle_->Report() : kNone;
}

bool CycleSession::Ending() const {
    return state_ == SessionState::EndingByExit || state_ == SessionState::EndingByClose ||
           state_ == SessionState::EndingByExitThenClose;
}

bool CycleSession::Begin() {
    if (state_ != SessionState::Idle)
        return false;
    state_ = SessionState::Running;
    pause_.Reset();
    runner_.Reset();
    return true;
}

SessionState CycleSession::Finish() {
    const SessionState ended = std::exchange(state_, SessionState::Idle);
    // The cycle was cut short: its lamps mean nothing any more.
    if (ended != SessionState::Running)
        lamps_.SetLampState(LampState::Idle);
    if (whenIdle_)
        std::exchange(whenIdle_, nullptr)();
    return ended;
}

bool CycleSession::RequestExit() {
    if (state_ == SessionState::Idle || state_ == SessionState::Closed)
        return true;
    if (state_ == SessionState::Running)
        state_ = SessionState::EndingByExit;
    else if (state_ == SessionState::EndingByClose)
        state_ = SessionState::EndingByExitThenClose;
    Abort();
    return false;
}

bool CycleSession::RequestClose() {
    if (state_ == SessionState::Idle || state_ == SessionState::Closed) {
        // The clients go with the window; destroying them closes their connections.
        state_ = SessionState::Closed;
        cycle_.reset();
        clients_.reset();
        return true;
    }
    if (state_ == SessionState::Running)
        state_ = SessionState::EndingByClose;
    else if (state_ == SessionState::EndingByExit)
        state_ = SessionState::EndingByExitThenClose;
    // The cycle's frames are still on the stack: end it first, close when it has unwound.
    Abort();
    return false;
}

void CycleSession::WhenIdle(std::function<void()> work) {
    if (state_ == SessionState::Idle || state_ == SessionState::Closed)
        work();
    else
        whenIdle_ = std::move(work);
}

void CycleSession::Abort() {
    pause_.Abort();
    runner_.Abort();
    clients_->routing.Abort();
}

} // namespace stormbell
