// The sweep's pause between frames, which keeps the window live: a local event loop ended by a
// timer, so repaints, drags and clicks go on while the needles wait.
#pragma once

#include "app/CycleWait.h"
#include "platform/Pause.h"

class QEventLoop;

namespace stormbell {

class EventLoopPause final : public Pause, public CycleWait {
public:
    /// Processes events for about `milliseconds`. Throws CycleAborted once Abort was called,
    /// also when it ends a pause under way.
    void Sleep(int milliseconds) override;
    /// Ends a running pause at once; every later Sleep throws CycleAborted.
    void Abort() override;
    void Reset() override { aborted_ = false; }

private:
    QEventLoop* loop_ = nullptr;
    bool aborted_ = false;
};

} // namespace stormbell
