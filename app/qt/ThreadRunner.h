// Runs one blocking client operation on a worker thread while a local event loop keeps the
// window live; the cycle, the decoder and the gauges stay on the window's thread.
#pragma once

#include "platform/BlockingRunner.h"

namespace stormbell {

class ThreadRunner final : public BlockingRunner {
public:
    /// Runs `operation` on a new thread and processes events until it has ended; rethrows what
    /// it threw here. Throws CycleAborted instead when Abort came meanwhile, and at once after.
    /// Never returns while the thread still runs.
    void Run(const std::function<void()>& operation) override;
    /// Marks the cycle as aborted; the caller ends the blocked operation itself (TTcpIp::Abort).
    void Abort() { aborted_ = true; }
    /// Forgets an abort, for a cycle after one that was aborted without the program ending.
    void Reset() { aborted_ = false; }

private:
    bool aborted_ = false;
};

} // namespace stormbell
