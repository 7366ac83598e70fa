#include "observation/PressurePlan.h"

#include <limits>
#include <string>

#include "platform/TextConvert.h"

namespace stormbell {

PressurePlan StartPressurePlan(Observation& o) {
    PressurePlan plan;
    const auto shown = TryStrToFloat(o.OPresInfo);
    const auto target = TryStrToFloat(o.NewPresInfo);
    // The step count is a 32-bit integer: a larger distance cannot be planned at all.
    constexpr double maxDifference = std::numeric_limits<std::int32_t>::max() / 25.0;
    if (!shown || !target) {
        o.OPresInfo = o.NewPresInfo = "0";
        return plan;
    }
    // The final remainder step lands on fixed text (two decimals, four significant digits):
    // a target that form cannot hold is replaced by the nearest one it can.
    const std::string fixed = FloatToStrFixed(*target);
    const double reachable = StrToFloat(fixed);
    if (reachable != *target)
        o.NewPresInfo = fixed;
    const double difference = reachable > *shown ? reachable - *shown : *shown - reachable;
    if (!(difference <= maxDifference)) {
        o.OPresInfo = o.NewPresInfo = "0";
        return plan;
    }
    plan.difference = difference;
    plan.rising = !(*shown > reachable);
    return plan;
}

void FinishPressurePlan(PressurePlan& plan) {
    plan.steps = static_cast<std::int32_t>(Truncate(plan.difference * 25));
    plan.remainder = plan.difference - plan.steps * PressureStep;
}

} // namespace stormbell
