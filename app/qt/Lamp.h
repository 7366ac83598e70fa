// The green and red lamps on the skin: the update cycle's progress as the colours of four
// circles (a body and a highlight dot per lamp).
#pragma once

#include "app/Lamps.h"

namespace stormbell {

class CircleShape;

/// The circles of the two lamps.
struct LampShapes {
    CircleShape& Shape1; ///< green body
    CircleShape& Shape2; ///< red body
    CircleShape& Shape3; ///< red highlight dot
    CircleShape& Shape4; ///< green highlight dot
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
