#include "gauges/Gauges.h"

#include <cmath>
#include <utility>

namespace stormbell {

namespace {

constexpr int kChillCeiling = 50; // at or below: the wind-chill needle
constexpr int kHeatFloor = 70;    // at or above: the heat-index needle
constexpr int kFirstStep = 1;     // reference hand positions after a click: 1..100
constexpr int kLastStep = 100;

void DrawEllipse(Canvas& canvas, const Rect& r) {
    canvas.Ellipse(r.X1, r.Y1, r.X2, r.Y2);
}

} // namespace

NeedleSet Only(Needle needle) {
    return NeedleSet().set(static_cast<std::size_t>(needle));
}

NeedleSet UnreportedNeedles(const Observation& o) {
    const Unreported& missing = o.NotReported;
    NeedleSet needles;
    const bool hotColdMissing = o.Target.TemperatureF <= kChillCeiling ? missing.WindChill()
                                : o.Target.TemperatureF >= kHeatFloor  ? missing.HeatIndex()
                                                                       : false;
    if (hotColdMissing)
        needles |= Only(Needle::HotCold);
    if (missing.Temperature)
        needles |= Only(Needle::Temperature);
    if (missing.Pressure)
        needles |= Only(Needle::Pressure);
    if (missing.Humidity())
        needles |= Only(Needle::Humidity);
    if (missing.Wind)
        needles |= Only(Needle::WindDirection) | Only(Needle::WindSpeed);
    return needles;
}

std::uint16_t NearestReferenceStep(double pressure) {
    const long step = std::lround(gauge::kPressure.TurnsFromTop(pressure) * kLastStep);
    // Straight up is 100, never 0.
    return static_cast<std::uint16_t>(step < kFirstStep ? kLastStep : step);
}

Gauges::Gauges(Observation& observation, Skins skins, std::function<void()> repaint)
    : observation_(observation), skins_(skins), repaint_(std::move(repaint)) {}

ActiveSkin Gauges::Active() const {
    return ChooseSkin(skins_, observation_.DisplayMode);
}

Color Gauges::PenFor(Needle needle, Color color) const {
    return (Unreported & Only(needle)).any() ? Faded(color) : Pen(color);
}

void Gauges::DrawNeedleWithTail(Canvas& canvas, Needle needle, const GaugeGeometry& gauge,
                                double value) const {
    const double a = gauge.Angle(value);
    const Point tip = gauge.Tip(a);
    const Point tail = gauge.TailPoint(a);
    canvas.SetPenColor(PenFor(needle, NeedleColor));
    canvas.MoveTo(gauge.Centre.X, gauge.Centre.Y);
    canvas.SetPenWidth(gauge::kNeedleWidth);
    canvas.LineTo(tip.X, tip.Y);
    canvas.MoveTo(gauge.Centre.X, gauge.Centre.Y);
    canvas.SetPenWidth(gauge::kTailWidth);
    canvas.LineTo(tail.X, tail.Y);
}

// One stroke from the tip through the centre to the tail; the current position and the pen
// colour and width are set by the caller.
void Gauges::DrawStroke(Canvas& canvas, const GaugeGeometry& gauge, double value) const {
    const double a = gauge.Angle(value);
    const Point tip = gauge.Tip(a);
    const Point tail = gauge.TailPoint(a);
    canvas.LineTo(tip.X, tip.Y);
    canvas.LineTo(tail.X, tail.Y);
}

void Gauges::DrawReferenceHand(Canvas& canvas) const {
    const GaugeGeometry& g = gauge::kReference;
    canvas.SetPenColor(colors::kReference);
    canvas.SetPenWidth(gauge::kNeedleWidth);
    canvas.MoveTo(g.Centre.X, g.Centre.Y);
    DrawStroke(canvas, g, PressSet);
}

void Gauges::UpdateTemperature() {
    DrawNeedleWithTail(Active().Drawn.GetCanvas(), Needle::Temperature, gauge::kTemperature,
                       observation_.Shown.TemperatureF);
}

void Gauges::UpdateHotCold() {
    Canvas& canvas = Active().Drawn.GetCanvas();
    const int target = observation_.Target.TemperatureF;
    double value = 0;
    if (target <= kChillCeiling) {
        value = observation_.Shown.WindChillF;
        canvas.SetPenColor(PenFor(Needle::HotCold, colors::kChill));
    } else if (target >= kHeatFloor) {
        value = observation_.Shown.HeatIndexF;
        canvas.SetPenColor(PenFor(Needle::HotCold, colors::kHeatIndex));
    } else {
        return;
    }
    const GaugeGeometry& g = gauge::kHotCold;
    const Point tip = g.Tip(g.Angle(value));
    canvas.MoveTo(g.Centre.X, g.Centre.Y);
    canvas.SetPenWidth(gauge::kNeedleWidth);
    canvas.LineTo(tip.X, tip.Y);
}

void Gauges::UpdatePressure() {
    const double pressure = observation_.Shown.PressureInHg;
    Canvas& canvas = Active().Drawn.GetCanvas();
    DrawNeedleWithTail(canvas, Needle::Pressure, gauge::kPressure, pressure);
    DrawReferenceHand(canvas);

    canvas.SetPenColor(colors::kHubOuter);
    canvas.SetPenWidth(gauge::kHubPenWidth);
    canvas.SetBrushColor(colors::kHubOuter);
    DrawEllipse(canvas, gauge::kHubOuter);
    // The brush left here is the one the variable-wind disc is filled with.
    canvas.SetPenColor(colors::kReference);
    canvas.SetPenWidth(gauge::kHubPenWidth);
    canvas.SetBrushColor(colors::kReference);
    DrawEllipse(canvas, gauge::kHubInner);
}

void Gauges::UpdateHumidity() {
    DrawNeedleWithTail(Active().Drawn.GetCanvas(), Needle::Humidity, gauge::kHumidity,
                       observation_.Shown.HumidityPercent);
}

void Gauges::UpdateWindDirection() {
    const WindDirection shown = observation_.Shown.WindDirection;
    if (shown.Variable)
        observation_.Target.WindDirection = shown;

    Canvas& canvas = Active().Drawn.GetCanvas();
    const GaugeGeometry& g = gauge::kWindDirection;
    canvas.SetPenColor(PenFor(Needle::WindDirection, NeedleColor));
    canvas.SetPenWidth(gauge::kNeedleWidth);
    canvas.MoveTo(g.Centre.X, g.Centre.Y);
    if (shown.Variable)
        DrawEllipse(canvas, gauge::kVariableWind); // filled with the brush UpdatePressure left
    else
        DrawStroke(canvas, g, shown.Degrees);
}

void Gauges::UpdateWindSpeed() {
    const int speed = observation_.Shown.WindSpeedKnots;
    Canvas& canvas = Active().Drawn.GetCanvas();
    const GaugeGeometry& g = gauge::kWindSpeed;
    if (GustKnots) {
        // Under the speed needle, thin, so the needle reads as before.
        const Point tip = g.Tip(g.Angle(*GustKnots));
        canvas.SetPenColor(Pen(colors::kGust));
        canvas.SetPenWidth(gauge::kGustWidth);
        canvas.MoveTo(g.Centre.X, g.Centre.Y);
        canvas.LineTo(tip.X, tip.Y);
    }
    canvas.SetPenColor(PenFor(Needle::WindSpeed, NeedleColor));
    canvas.SetPenWidth(gauge::kNeedleWidth);
    canvas.MoveTo(g.Centre.X, g.Centre.Y);
    DrawStroke(canvas, g, speed);
}

void Gauges::UpdatePressSet() {
    RestoreSkin();
    DrawReferenceHand(Active().Drawn.GetCanvas());
    StoredPressSet = PressSet;
}

void Gauges::HubPressed(MouseButton button) {
    // Wider than 16 bits, so a stored 0 steps back to 100 and a stored 65535 on to 1.
    std::int32_t next = PressSet;
    if (button == MouseButton::Left) {
        next += 1;
        if (next > kLastStep)
            next = kFirstStep;
    } else if (button == MouseButton::Right) {
        next -= 1;
        if (next < kFirstStep)
            next = kLastStep;
    }
    if (button != MouseButton::Middle) {
        PressSet = static_cast<std::uint16_t>(next);
        UpdatePressSet();
    }
    DrawNeedles();
}

void Gauges::SetReferenceToPressure() {
    PressSet = NearestReferenceStep(observation_.Shown.PressureInHg);
    UpdatePressSet();
    DrawNeedles();
}

void Gauges::RestoreSkin() {
    const ActiveSkin skin = Active();
    skin.Drawn.GetCanvas().Draw(0, 0, skin.Clean);
}

void Gauges::DrawNeedles() {
    UpdateHotCold();
    UpdateTemperature();
    UpdatePressure();
    UpdateHumidity();
    UpdateWindDirection();
    UpdateWindSpeed();
}

void Gauges::FullRedraw() {
    RestoreSkin();
    DrawNeedles();
}

void Gauges::PresentFrame() {
    FullRedraw();
    if (repaint_)
        repaint_();
}

} // namespace stormbell
