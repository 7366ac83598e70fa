// The one observation the gauge, sweep and frame tests start from.
#pragma once

#include "observation/Observation.h"

namespace stormbell::testing {

/// Shown values that draw every needle without error on the English skin (50 °F, 50 %,
/// 30.00 inHg, calm), every target on its shown value; a test changes what it examines.
inline Observation SampleObservation() {
    Observation o;
    o.Shown = {50, 50, 50, 50, 30.00, {}, 0};
    o.SetTargetsToShown();
    return o;
}

} // namespace stormbell::testing
