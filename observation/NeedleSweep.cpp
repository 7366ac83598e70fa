#include "observation/NeedleSweep.h"

#include <algorithm>
#include <cstdint>

#include "observation/ObservationTexts.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

bool Arrived(const Observation& o) {
    return o.OTemp == o.NewTemp && o.OHumd == o.NewHumd && o.OWDInfo == o.NewWDInfo &&
           o.OWSInfo == o.NewWSInfo && o.OHeatIndex == o.NewHeatIndex && o.OChill == o.NewChill &&
           o.OPresInfo == o.NewPresInfo;
}

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

void StepPressure(Observation& o, PressurePlan& plan) {
    // The counter stays small: it grows by one per frame, and frames are bounded.
    if (plan.rising && plan.counter < plan.steps) {
        o.OPresInfo = FloatToStrGeneral(StrToFloat(o.OPresInfo) + PressureStep);
        ++plan.counter;
    }
    if (plan.rising && plan.counter == plan.steps) {
        o.OPresInfo = FloatToStrFixed(StrToFloat(o.OPresInfo) + plan.remainder);
        plan.counter += 10;
    }
    if (!plan.rising && plan.counter < plan.steps) {
        o.OPresInfo = FloatToStrGeneral(StrToFloat(o.OPresInfo) - PressureStep);
        ++plan.counter;
    }
    if (!plan.rising && plan.counter == plan.steps) {
        o.OPresInfo = FloatToStrFixed(StrToFloat(o.OPresInfo) - plan.remainder);
        plan.counter += 10;
    }
}

void StepDirection(Observation& o) {
    if (o.NewWDInfo != VariableWind) {
        long long shown = StrToInt(o.OWDInfo);
        const long long target = StrToInt(o.NewWDInfo);
        // Never through north: from 350 to 10 the needle sweeps back through 180.
        if (shown < target)
            shown += DirectionStride(target - shown);
        if (shown > target)
            shown -= DirectionStride(shown - target);
        o.OWDInfo = IntToStr(shown);
    }
    if (o.NewWDInfo == VariableWind)
        o.OWDInfo = VariableWind;
}

void StepWindSpeed(Observation& o) {
    std::int32_t shown = StrToInt(o.OWSInfo);
    StepByOne(shown, StrToInt(o.NewWSInfo));
    o.OWSInfo = IntToStr(shown);
}

void Step(Observation& o, PressurePlan& plan) {
    StepByOne(o.OTemp, o.NewTemp);
    StepByOne(o.OHumd, o.NewHumd);
    StepByOne(o.OChill, o.NewChill);
    StepByOne(o.OHeatIndex, o.NewHeatIndex);
    StepPressure(o, plan);
    StepDirection(o);
    StepWindSpeed(o);
    o.OWDInfo = PadDirection(o.OWDInfo);
}

std::string WholeText(const std::string& text) {
    const auto value = TryStrToInt(text);
    return value ? IntToStr(*value) : "0";
}

std::string PressureText(const std::string& text) {
    const auto value = TryStrToFloat(text);
    return value ? FloatToStrGeneral(*value) : "30.00";
}

void NormaliseTexts(Observation& o) {
    o.OWSInfo = WholeText(o.OWSInfo);
    o.OPresInfo = PressureText(o.OPresInfo);
    o.NewWSInfo = WholeText(o.NewWSInfo);
    o.NewPresInfo = PressureText(o.NewPresInfo);
}

// The stepping reads the direction and speed targets as whole numbers. Checked before anything
// moves, a text it cannot read, or a direction the three-digit shown text cannot hold, is an
// error of this report alone and leaves every shown value readable for the next report and the
// next redraw.
void CheckTargets(const Observation& o) {
    const std::string& text = o.NewWDInfo;
    if (!IsDirectionText(text)) {
        const std::string quoted = "The wind direction '" + text + "' ";
        const bool digits = text.find_first_not_of("0123456789", text.starts_with('-') ? 1 : 0) ==
                            std::string::npos;
        if (!digits || text.size() < 2)
            throw EConvertError(quoted + "is not a whole number of degrees");
        if (text.starts_with('-'))
            throw EConvertError(quoted + "is negative");
        throw EConvertError(quoted + "has more than three digits");
    }
    StrToInt(o.NewWSInfo);
}

// Stepping by 1.0 reaches only whole numbers (a stored 72.5 would oscillate around 75 for
// ever), and the padded shown direction reaches only a three-digit target. A shown direction
// off the compass (a stored -5) would step through texts like "0-4" that nothing reads: it
// starts from the nearer end of the compass instead.
void MakeTargetsReachable(Observation& o) {
    o.OHeatIndex = RoundHalfEven(o.OHeatIndex);
    o.NewHeatIndex = RoundHalfEven(o.NewHeatIndex);
    o.OChill = RoundHalfEven(o.OChill);
    o.NewChill = RoundHalfEven(o.NewChill);
    if (o.NewWDInfo == VariableWind)
        return;
    o.NewWDInfo = PadDirection(IntToStr(StrToInt(o.NewWDInfo)));
    if (const auto shown = TryStrToInt(o.OWDInfo); shown && (*shown < 0 || *shown > kMaxDirection))
        o.OWDInfo = PadDirection(IntToStr(std::clamp(*shown, 0, kMaxDirection)));
}

void JumpToTargets(Observation& o) {
    o.OTemp = o.NewTemp;
    o.OHumd = o.NewHumd;
    o.OChill = o.NewChill;
    o.OHeatIndex = o.NewHeatIndex;
    o.OPresInfo = o.NewPresInfo;
    o.OWDInfo = o.NewWDInfo;
    o.OWSInfo = o.NewWSInfo;
}

} // namespace

bool IsDirectionText(std::string_view text) {
    return text == VariableWind || (!text.empty() && text.size() <= 3 &&
                                    text.find_first_not_of("0123456789") == std::string::npos);
}

std::string PadDirection(std::string direction) {
    if (direction.size() == 2)
        direction.insert(0, "0");
    if (direction.size() == 1)
        direction.insert(0, "00");
    return direction;
}

NeedleSweep::NeedleSweep(FramePresenter& presenter, Pause& pause, StatusLine& status)
    : presenter_(presenter), pause_(pause), status_(status) {}

long NeedleSweep::Run(Observation& o, PressurePlan plan) {
    CheckTargets(o);
    MakeTargetsReachable(o);
    long frames = 0;
    while (!Arrived(o)) {
        if (frames == MaxSweepFrames) {
            JumpToTargets(o);
            break;
        }
        presenter_.PresentFrame();
        Step(o, plan);
        try {
            pause_.Sleep(SweepFramePause);
        } catch (...) {
            // A sweep cut short (the program ending) still leaves a reading that was observed,
            // never values halfway between two reports, for the save to keep.
            JumpToTargets(o);
            throw;
        }
        NormaliseTexts(o);
        ++frames;
    }
    presenter_.PresentFrame();
    status_.SetStatus(texts::SweepCompleted);
    return frames;
}

} // namespace stormbell
