// The value scale of one history graph: it spans the values shown, no narrower than a least span,
// with its ends on steps of 1, 2 or 5 times a power of ten. A reference value outside the values
// never widens it, so a small change stays visible.
#pragma once

#include <vector>

namespace stormbell {

struct ChartScale {
    double Low = 0;
    double High = 1;
    double Step = 0.5;

    /// Whether `value` lies on the scale, ends included. The ends are products of the step, so a
    /// value on an end may differ from it in the last bits (more so with another C library).
    bool Holds(double value) const {
        const double slack = Step * 1e-9;
        return value >= Low - slack && value <= High + slack;
    }
};

/// The scale for `values`: at least `leastSpan` wide (centred on them when they span less), ends
/// rounded out to the step, and one step of room above for the graph's title and legend. With
/// no values it is 0 to 1; a negative or non-finite `leastSpan` counts as none.
ChartScale ScaleFor(const std::vector<double>& values, double leastSpan);

} // namespace stormbell
