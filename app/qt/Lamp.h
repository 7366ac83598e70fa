// The green and red lamps on the skin: the update cycle's progress as the colours of four
// circles (a body and a highlight dot per lamp), and in words to a hover and a screen reader.
#pragma once

#include "app/Lamps.h"

#include <functional>

namespace stormbell {

class CircleShape;

/// The circles of the two lamps.
struct LampShapes {
    CircleShape& GreenBody;
    CircleShape& RedBody;
    CircleShape& RedDot;   ///< the red lamp's highlight
    CircleShape& GreenDot; ///< the green lamp's highlight
};

class WindowLamps final : public Lamps {
public:
    /// `changed` runs after every change of state, once the lamps show it.
    WindowLamps(LampShapes shapes, std::function<void()> changed);
    /// Colours the circles for `state`, each showing at once; the lamps' names and tooltips say
    /// the state, and a screen reader is told.
    void SetLampState(LampState state) override;
    /// True from a Busy state to the next other one.
    bool Fetching() const { return fetching_; }

private:
    LampShapes shapes_;
    std::function<void()> changed_;
    bool fetching_ = false;
};

} // namespace stormbell
