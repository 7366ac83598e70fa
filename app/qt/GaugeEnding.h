// How the gauge ends. Only the exit bar saves; the system's close quits as it stands. Either one
// asked for while a cycle runs cuts the cycle short and ends once it has unwound.
#pragma once

#include "app/CycleSession.h"

#include <functional>

namespace stormbell {

class HandlerGuard;

/// Ends the program with an exit code: leaves the event loop in the program, records in tests.
using ProgramEnd = std::function<void(int exitCode)>;

class GaugeEnding {
public:
    /// What ending takes of the window.
    struct Steps {
        std::function<void()> Save;        ///< saves every setting; throws what failed
        std::function<void()> HideDialogs; ///< hides the dialogs that are open
        std::function<void()> Close;       ///< the window's close, which comes back to Close()
    };

    /// Ends through `end` what `session` runs; a failed save is shown through `guard`. All must
    /// outlive this.
    GaugeEnding(CycleSession& session, const HandlerGuard& guard, ProgramEnd end, Steps steps);

    /// The exit bar: saves and ends with code 0; during a cycle, first ends the cycle. A failed
    /// save is shown and the program goes on.
    void Exit();
    /// The system's close: false while a cycle still runs (the close comes again once it has
    /// unwound); else hides the dialogs, ends with code 0 and gives true. Never throws.
    bool Close();
    /// After a cycle that ended in `ended`: finishes the exit or close asked for meanwhile.
    void AfterCycle(SessionState ended);

private:
    /// The save, then the end; a failed save is shown and gives false.
    bool SaveAndEnd();

    CycleSession& session_;
    const HandlerGuard& guard_;
    ProgramEnd end_;
    Steps steps_;
};

} // namespace stormbell
