// The pause between animation frames and between tries for a lock, behind an interface so tests
// never sleep.
#pragma once

namespace stormbell {

class Pause {
public:
    virtual ~Pause() = default;
    /// Waits about `milliseconds` before returning.
    virtual void Sleep(int milliseconds) = 0;
};

/// Sleeps the calling thread.
class ThreadPause final : public Pause {
public:
    void Sleep(int milliseconds) override;
};

/// One ThreadPause for the whole program; it holds no state, so any thread may share it.
ThreadPause& SharedThreadPause();

} // namespace stormbell
