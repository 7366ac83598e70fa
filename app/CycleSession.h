// The update cycle's lifetime in one place: the clients it fetches with, whether a cycle runs,
// and what the window asked for while one did (exit, close), done once the cycle has unwound.
#pragma once

#include "app/CycleWait.h"
#include "app/UpdateCycle.h"
#include "net/HttpsModule.h"
#include "net/NetTexts.h"

#include <functional>
#include <memory>

namespace stormbell {

/// Idle, Running, then Idle again, or ending when an exit or a close came during the cycle;
/// Closed once the window has closed and the clients are gone.
enum class SessionState {
    Idle,
    Running,
    EndingByExit,
    EndingByClose,
    EndingByExitThenClose,
    Closed
};

/// Makes the HTTPS client within `bounds`, or throws std::exception saying why it cannot.
using MakeHttpsClient = std::function<std::unique_ptr<ReportClient>(const HttpsBounds& bounds)>;

/// Limits of the clients beyond the ones the session sets itself, and where the HTTPS client
/// comes from.
struct ClientLimits {
    int IdleTimeout = nettexts::DefaultIdleTimeoutMs; ///< see TTcpIp::IdleTimeout
    /// Called on the first https:// request; empty: HTTPS is unavailable.
    MakeHttpsClient MakeHttps;
};

class CycleSession {
public:
    /// Creates the FTP client and the place of the HTTPS client (made on the first https://
    /// request), logging in anonymously and downloading no more than a report may hold, and the
    /// cycle that decodes with `decode` and tells failures in `wording`'s words. `pause` and
    /// `runner` are the waits of a cycle; all must outlive this.
    CycleSession(Lamps& lamps, StatusLine& status, CycleWait& pause, AbortableRunner& runner,
                 const ClientLimits& limits, DecodeReport decode,
                 const Wording& wording = English());
    ~CycleSession();

    SessionState State() const { return state_; }
    /// True while a running cycle is being cut short for an exit or a close.
    bool Ending() const;

    /// Idle to Running, resetting the waits; false (nothing changes) in any other state.
    bool Begin();
    /// The cycle of a session that has begun.
    UpdateCycle& Cycle() { return *cycle_; }
    /// The cycle's last report (UpdateCycle::Report); empty once Closed.
    const std::string& Report() const;
    /// Back to Idle after a cycle that began; gives the state it ended in, so the caller finishes
    /// the exit or close asked for meanwhile. A cycle cut short puts the lamps out. Then runs work
    /// deferred by WhenIdle.
    SessionState Finish();

    /// The exit button: true when the program may save and end now; during a cycle, cuts it short
    /// and gives false (Finish tells).
    bool RequestExit();
    /// The system's close: when no cycle runs, destroys the clients (closing their connections)
    /// and gives true; during a cycle, cuts it short and gives false (Finish tells).
    bool RequestClose();

    /// Runs `work` now when no cycle runs, else once it has finished (a later call replaces an
    /// earlier one). `work` must not throw.
    void WhenIdle(std::function<void()> work);

private:
    void Abort();

    struct Clients;
    Lamps& lamps_;
    StatusLine& status_;
    CycleWait& pause_;
    AbortableRunner& runner_;
    std::unique_ptr<Clients> clients_;
    std::unique_ptr<UpdateCycle> cycle_;
    std::function<void()> whenIdle_;
    SessionState state_ = SessionState::Idle;
};

} // namespace stormbell
