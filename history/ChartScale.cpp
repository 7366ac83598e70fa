#include "history/ChartScale.h"

#include <algorithm>
#include <cmath>

namespace stormbell {

namespace {

// Below this a span counts as none: the values are one value.
constexpr double kFlat = 1e-6;

// A step of 1, 2 or 5 times a power of ten that gives three to six ticks over `span`.
double NiceStep(double span) {
    const double rough = span / 4;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

} // namespace

ChartScale ScaleFor(const std::vector<double>& values, double leastSpan) {
    double low = INFINITY, high = -INFINITY;
    for (const double value : values)
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    if (!std::isfinite(low))
        return {};
    const double least = std::isfinite(leastSpan) ? std::max(leastSpan, kFlat) : kFlat;
    if (high - low < least) {
        const double widen = (least - (high - low)) / 2;
        low -= widen;
        high += widen;
    }
    const double step = NiceStep(high - low);
    // A hair of tolerance, so that 29.8 / 0.1 coming out as 297.99999 keeps its own tick.
    constexpr double kTolerance = 1e-9;
    return {std::floor(low / step + kTolerance) * step,
            std::ceil(high / step - kTolerance) * step + step, step};
}

} // namespace stormbell
