// Runs one blocking client operation on a worker thread while a local event loop keeps the
// window live; the cycle, the decoder and the gauges stay on the window's thread.
#pragma once

#include "app/CycleWait.h"

namespace stormbell {

class ThreadRunner final : public AbortableRunner {
public:
    /// Runs `operation` on a new thread and processes events until it has ended; rethrows what
    /// it threw here. Throws CycleAborted instead when Abort came meanwhile, and at once after.
    /// Never returns while the thread still runs.
    void Run(const std::function<void()>& operation) override;
    /// Marks the cycle as aborted; the caller ends the blocked operation itself (TTcpIp::Abort).
    void Abort() override { aborted_ = true; }
    void Reset() override { aborted_ = false; }

private:
    bool aborted_ = false;
};

} // namespace stormbell
