// The design's text forms of the gauge's values: how a report states them, and how the settings
// store and the cli write them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "observation/Observation.h"

namespace stormbell {

/// The direction text of a variable wind.
inline constexpr std::string_view kVariableText = "VRB";

/// True for "VRB" and for one to three digits without a sign: the direction texts a report
/// states and the three-digit text holds.
bool IsDirectionText(std::string_view text);

/// "VRB", or the degrees padded to three digits: "005".
std::string DirectionText(WindDirection direction);

/// "VRB" as variable, else whole degrees as TryStrToInt reads them (any sign or size); nothing
/// for any other text.
std::optional<WindDirection> DirectionFromText(std::string_view text);

} // namespace stormbell
