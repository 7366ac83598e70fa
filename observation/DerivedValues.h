// Turns the texts cut from a report into the targets: °F, humidity, heat index, wind chill.
#pragma once

#include <cstdint>
#include <optional>

#include "observation/Observation.h"
#include "observation/PressurePlan.h"

namespace stormbell {

/// Whole °F from a Celsius figure: rounded half to even, then truncate(9 C × 0.2 + 32). Nothing
/// when the result does not fit the 16-bit temperature.
std::optional<std::int16_t> WholeFahrenheit(double celsius);

/// Relative humidity in whole percent, 0..100, from the Celsius figures; a missing figure, or
/// one for which the vapour-pressure formula has no finite positive value, counts as 1.0 hPa
/// before the 6.11 factor.
std::int32_t RelativeHumidity(std::optional<double> celsius, std::optional<double> dewPoint);

/// The heat-index target: truncated regression value from 70 °F up, the temperature below.
double TargetHeatIndex(std::int16_t fahrenheit, std::int32_t humidity);

/// The wind-chill target: truncated formula value (never above the temperature) up to 50 °F,
/// the temperature above. `knots` must be finite and not negative.
double TargetWindChill(std::int16_t fahrenheit, double knots);

/// Derives every target from the Cut texts and plans the pressure steps. A quantity whose text
/// is missing or cannot be read (a wind needs a direction of "VRB" or one to three digits and
/// whole knots) is marked in NotReported; its target, and those derived from it, are the rest
/// positions. Where temperature or dew point is missing, a StatedHumidity is the humidity
/// target (HumidityStated); the heat index stays unreported. Never throws for a text.
PressurePlan DeriveTargets(Observation& observation);

} // namespace stormbell
