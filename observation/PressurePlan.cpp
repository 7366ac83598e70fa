#include "observation/PressurePlan.h"

#include <cmath>
#include <limits>

#include "platform/TextConvert.h"

namespace stormbell {

PressurePlan StartPressurePlan(Observation& o) {
    PressurePlan plan;
    double& shown = o.Shown.PressureInHg;
    double& target = o.Target.PressureInHg;
    // The step count is a 32-bit integer: a larger distance cannot be planned at all.
    constexpr double maxDifference = std::numeric_limits<std::int32_t>::max() / 25.0;
    if (!std::isfinite(shown) || !std::isfinite(target)) {
        shown = target = 0;
        return plan;
    }
    // The final remainder step lands on fixed text (two decimals, four significant digits):
    // a target that form cannot hold is replaced by the nearest one it can.
    target = StrToFloat(FloatToStrFixed(target));
    const double difference = target > shown ? target - shown : shown - target;
    if (!(difference <= maxDifference)) {
        shown = target = 0;
        return plan;
    }
    plan.difference = difference;
    plan.rising = !(shown > target);
    return plan;
}

void FinishPressurePlan(PressurePlan& plan) {
    plan.steps = static_cast<std::int32_t>(Truncate(plan.difference * 25));
    plan.remainder = plan.difference - plan.steps * PressureStep;
}

} // namespace stormbell
