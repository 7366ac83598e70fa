// The low-speed limit: a transfer that moves too few bytes per second over a whole window is
// given up, so a server that trickles data just fast enough to beat the silence time-out cannot
// hold an operation for ever.
#pragma once

#include <chrono>
#include <cstddef>

namespace stormbell {

class LowSpeedWatch {
public:
    using Clock = std::chrono::steady_clock;

    /// Starts the first window at `now`; a rate or a window of 0 never trips.
    void Start(Clock::time_point now, std::size_t bytesPerSecond, int windowMs);
    /// Counts `bytes` moved in the current window.
    void Add(std::size_t bytes) { bytes_ += bytes; }
    /// False when the window ended by `now` having moved some bytes but fewer than the rate asks
    /// for. Otherwise true, and a window that ended makes way for one starting at `now`. A window
    /// without a single byte is left to the silence time-out, which tells that case better.
    bool Check(Clock::time_point now);
    /// Milliseconds from `now` to the end of the window (at least 1), or 0 when never tripping.
    int MsToWindowEnd(Clock::time_point now) const;

private:
    std::chrono::milliseconds window_{0};
    std::size_t needed_ = 0;
    std::size_t bytes_ = 0;
    Clock::time_point end_;
};

} // namespace stormbell
