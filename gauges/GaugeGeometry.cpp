#include "gauges/GaugeGeometry.h"

#include "platform/TextConvert.h"

#include <cmath>
#include <numbers>

namespace stormbell {

namespace {

constexpr double kMaxTurns = 1e9;

int RoundCoordinate(double v) {
    return static_cast<int>(RoundHalfEven(v));
}

} // namespace

double GaugeGeometry::Angle(double value) const {
    const double angle = 2 * std::numbers::pi * (value + Offset) / UnitsPerTurn;
    // Near the largest double the angle overflows, and sin and cos of it would cast NaN to a
    // pixel. Long before that a double no longer tells one needle position from the next, so a
    // value beyond kMaxTurns rests at the dial's zero.
    return std::abs(angle) <= 2 * std::numbers::pi * kMaxTurns ? angle : 0;
}

namespace {

// A bottom-zero dial's zero sits half a turn from the top.
double ZeroFromTop(Orientation zero) {
    return zero == Orientation::BottomZero ? 0.5 : 0.0;
}

double FractionOfTurn(double turns) {
    return turns - std::floor(turns);
}

} // namespace

double GaugeGeometry::TurnsFromTop(double value) const {
    return FractionOfTurn((value + Offset) / UnitsPerTurn + ZeroFromTop(Zero));
}

double GaugeGeometry::ValueAt(double turnsFromTop) const {
    return FractionOfTurn(turnsFromTop - ZeroFromTop(Zero)) * UnitsPerTurn - Offset;
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
