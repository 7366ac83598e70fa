// How the altimeter needle travels during one sweep: whole 0.04 steps, then the remainder.
#pragma once

#include <cstdint>

#include "observation/Observation.h"

namespace stormbell {

struct PressurePlan {
    double difference = 0;    ///< distance between shown and target pressure, inHg
    bool rising = true;       ///< also true when the pressure does not move
    std::int32_t steps = 0;   ///< whole 0.04 steps
    double remainder = 0;     ///< what is left after the steps
    std::int32_t counter = 0; ///< steps taken; jumps by 10 after the remainder step
};

/// Inches of mercury per stepping frame.
inline constexpr double PressureStep = 0.04;

/// First half: moves a target with more than two decimals or four significant digits to the
/// nearest value that has none (so the sweep can reach it) and measures the distance. When
/// either pressure is not a finite number, or the distance is too large to count in steps, both
/// become 0 and the plan stands still.
PressurePlan StartPressurePlan(Observation& observation);

/// Second half: the number of whole steps and the remainder.
void FinishPressurePlan(PressurePlan& plan);

} // namespace stormbell
