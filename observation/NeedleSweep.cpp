#include "observation/NeedleSweep.h"

#include <algorithm>
#include <cstdint>

#include "observation/ObservationTexts.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

template <typename T> void StepByOne(T& shown, T target) {
    if (shown < target)
        shown += 1;
    if (shown > target)
        shown -= 1;
}

// Gaps can span the whole 32-bit range, so they are measured in 64 bits.
long long DirectionStride(long long gap) {
    return gap > 30 ? 6 : gap > 10 ? 2 : 1;
}

// Each step lands on the number its 15-digit text holds, so that a long run of 0.04 steps
// shows 30.40, not a value drifted by the binary fractions.
double Settled(double inHg) {
    return StrToFloat(FloatToStrGeneral(inHg));
}

void StepPressure(double& shown, PressurePlan& plan) {
    // The counter stays small: it grows by one per frame, and frames are bounded.
    const double sign = plan.rising ? 1 : -1;
    if (plan.counter < plan.steps) {
        shown = Settled(shown + sign * PressureStep);
        ++plan.counter;
    }
    if (plan.counter == plan.steps) {
        shown = Settled(StrToFloat(FloatToStrFixed(shown + sign * plan.remainder)));
        plan.counter += 10;
    }
}

void StepDirection(WindDirection& shown, WindDirection target) {
    if (target.Variable) {
        shown = kVariableWind;
        return;
    }
    // A variable wind is swept from north.
    long long degrees = shown.Variable ? 0 : shown.Degrees;
    // Never through north: from 350 to 10 the needle sweeps back through 180.
    if (degrees < target.Degrees)
        degrees += DirectionStride(target.Degrees - degrees);
    if (degrees > target.Degrees)
        degrees -= DirectionStride(degrees - target.Degrees);
    shown = {static_cast<std::int32_t>(degrees), false};
}

void Step(Observation& o, PressurePlan& plan) {
    GaugeValues& shown = o.Shown;
    const GaugeValues& target = o.Target;
    StepByOne(shown.TemperatureF, target.TemperatureF);
    StepByOne(shown.HumidityPercent, target.HumidityPercent);
    StepByOne(shown.WindChillF, target.WindChillF);
    StepByOne(shown.HeatIndexF, target.HeatIndexF);
    StepPressure(shown.PressureInHg, plan);
    StepDirection(shown.WindDirection, target.WindDirection);
    StepByOne(shown.WindSpeedKnots, target.WindSpeedKnots);
}

// A direction the three stored digits cannot hold is an error of this report alone, found
// before anything moves, so every shown value stays drawable for the next report.
void CheckTargets(const Observation& o) {
    const WindDirection direction = o.Target.WindDirection;
    if (direction.Variable || (direction.Degrees >= 0 && direction.Degrees <= kMaxDirection))
        return;
    const std::string quoted = "The wind direction '" + IntToStr(direction.Degrees) + "' ";
    if (direction.Degrees < 0)
        throw EConvertError(quoted + "is negative");
    throw EConvertError(quoted + "has more than three digits");
}

// Stepping by 1.0 reaches only whole numbers (a stored 72.5 would oscillate around 75 for
// ever). A shown direction off the compass (a stored -5) starts from the nearer end of the
// compass.
void MakeTargetsReachable(Observation& o) {
    GaugeValues& shown = o.Shown;
    GaugeValues& target = o.Target;
    shown.HeatIndexF = RoundHalfEven(shown.HeatIndexF);
    target.HeatIndexF = RoundHalfEven(target.HeatIndexF);
    shown.WindChillF = RoundHalfEven(shown.WindChillF);
    target.WindChillF = RoundHalfEven(target.WindChillF);
    if (target.WindDirection.Variable || shown.WindDirection.Variable)
        return;
    shown.WindDirection.Degrees = std::clamp(shown.WindDirection.Degrees, 0, kMaxDirection);
}

} // namespace

NeedleSweep::NeedleSweep(FramePresenter& presenter, Pause& pause, StatusLine& status)
    : presenter_(presenter), pause_(pause), status_(status) {}

long NeedleSweep::Run(Observation& o, PressurePlan plan) {
    CheckTargets(o);
    MakeTargetsReachable(o);
    long frames = 0;
    while (o.Shown != o.Target) {
        if (frames == MaxSweepFrames) {
            o.Shown = o.Target;
            break;
        }
        presenter_.PresentFrame();
        Step(o, plan);
        try {
            pause_.Sleep(SweepFramePause);
        } catch (...) {
            // A sweep cut short (the program ending) still leaves a reading that was observed,
            // never values halfway between two reports, for the save to keep.
            o.Shown = o.Target;
            throw;
        }
        ++frames;
    }
    presenter_.PresentFrame();
    status_.SetStatus(texts::SweepCompleted);
    return frames;
}

} // namespace stormbell
