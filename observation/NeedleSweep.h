// Glides the shown values to the targets one step per frame, redrawing the gauges each time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

/// The largest wind direction in degrees, the most the shown value's three digits hold; a
/// target must lie in 0..kMaxDirection. Reports use 999 for an unknown direction, and values
/// just above 360 occur; the needle is drawn where its geometry puts them.
inline constexpr std::int32_t kMaxDirection = 999;

class NeedleSweep {
public:
    /// Draws through `presenter`, waits on `pause` and reports the end on `status`.
    NeedleSweep(FramePresenter& presenter, Pause& pause, StatusLine& status);

    /// Steps every shown value toward its target, one presented frame and one pause per step,
    /// until all have arrived; then draws a last frame and sets the status "Completed".
    /// Returns the number of stepping frames. A speed target that is not a whole number, or a
    /// direction target that is not IsDirectionText (said in words), throws EConvertError
    /// before any frame, leaving the shown values and the status as they were. When the pause
    /// throws, the shown values jump to their targets and the exception goes on.
    long Run(Observation& observation, PressurePlan plan);

private:
    FramePresenter& presenter_;
    Pause& pause_;
    StatusLine& status_;
};

/// True for "VRB" and for one to three digits without a sign: the direction texts a report
/// states and the three-digit shown text holds.
bool IsDirectionText(std::string_view text);

/// Pads a direction of one or two characters with zeros to three: "5" -> "005".
std::string PadDirection(std::string direction);

} // namespace stormbell
