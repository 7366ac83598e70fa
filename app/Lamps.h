// The green and red lamps on the skin, as the update cycle drives them.
#pragma once

namespace stormbell {

/// The two lamps' states during a cycle.
enum class LampState { Idle, Busy, Failed, Fetched };

class Lamps {
public:
    virtual ~Lamps() = default;
    /// Each change shows at once.
    virtual void SetLampState(LampState state) = 0;
};

} // namespace stormbell
