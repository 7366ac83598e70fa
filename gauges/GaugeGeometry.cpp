#include "gauges/GaugeGeometry.h"

#include "platform/TextConvert.h"

#include <cmath>
#include <numbers>

namespace stormbell {

namespace {

int RoundCoordinate(double v) {
    return static_cast<int>(RoundHalfEven(v));
}

} // namespace

double GaugeGeometry::Angle(double value) const {
    return 2 * std::numbers::pi * (value + Offset) / UnitsPerTurn;
}

void GaugeGeometry::Direction(double angle, double& dx, double& dy) const {
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    if (Zero == Orientation::BottomZero) {
        dx = -s;
        dy = c;
    } else {
        dx = s;
        dy = -c;
    }
}

Point GaugeGeometry::Tip(double angle) const {
    double dx = 0, dy = 0;
    Direction(angle, dx, dy);
    return {Centre.X + RoundCoordinate(Length * dx), Centre.Y + RoundCoordinate(Length * dy)};
}

Point GaugeGeometry::TailPoint(double angle) const {
    double dx = 0, dy = 0;
    Direction(angle, dx, dy);
    return {Centre.X - RoundCoordinate(Tail * dx), Centre.Y - RoundCoordinate(Tail * dy)};
}

} // namespace stormbell
