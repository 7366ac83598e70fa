// The green and red lamps on the skin: the update cycle's progress as the colours of four
// circles (a body and a highlight dot per lamp).
#pragma once

#include "app/Lamps.h"

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
    explicit WindowLamps(LampShapes shapes) : shapes_(shapes) {}
    /// Colours the circles for `state`; each shows at once.
    void SetLampState(LampState state) override;

private:
    LampShapes shapes_;
};

} // namespace stormbell
