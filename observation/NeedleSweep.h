// Glides the shown values to the targets one step per frame, redrawing the gauges each time.
#pragma once

#include <cstdint>

#include "observation/FramePresenter.h"
#include "observation/Observation.h"
#include "observation/PressurePlan.h"
#include "platform/Pause.h"
#include "platform/StatusLine.h"

namespace stormbell {

/// Milliseconds between two frames.
inline constexpr int SweepFramePause = 25;

/// The last guard against a sweep that cannot end: after this many stepping frames the shown
/// values jump to their targets. Far beyond any real change (a 100-degree swing takes 100).
inline constexpr long MaxSweepFrames = 10000;

/// The largest wind direction in degrees, the most the stored three digits hold; a target must
/// lie in 0..kMaxDirection. Reports use 999 for an unknown direction, and values
/// just above 360 occur; the needle is drawn where its geometry puts them.
inline constexpr std::int32_t kMaxDirection = 999;

class NeedleSweep {
public:
    /// Draws through `presenter`, waits on `pause` and reports the end on `status`.
    NeedleSweep(FramePresenter& presenter, Pause& pause, StatusLine& status);

    /// Steps every shown value toward its target, one presented frame and one pause per step,
    /// until all have arrived; then draws a last frame and sets the status "Completed".
    /// Returns the number of stepping frames. A direction target outside 0..kMaxDirection throws
    /// EConvertError (said in words) before any frame, leaving the shown values and the status
    /// as they were. When the pause throws, the shown values jump to their targets and the
    /// exception goes on.
    long Run(Observation& observation, PressurePlan plan);

private:
    FramePresenter& presenter_;
    Pause& pause_;
    StatusLine& status_;
};

} // namespace stormbell
