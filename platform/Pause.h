// The pause between animation frames, behind an interface so tests never sleep.
#pragma once

namespace stormbell {

class Pause {
public:
    virtual ~Pause() = default;
    /// Waits about `milliseconds` before returning.
    virtual void Sleep(int milliseconds) = 0;
};

} // namespace stormbell
