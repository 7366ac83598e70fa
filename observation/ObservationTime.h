// When a report was observed: the UTC time its time line ends with, and that time as text.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace stormbell {

/// The UTC time of "Apr 25, 2013 - 01:00 AM EDT / 2013.04.25 0500 UTC" (a report's time
/// line): the part after the last " / ", exactly "YYYY.MM.DD HHMM UTC". Nothing when the line
/// has no such part or names no real date and time; never throws.
std::optional<std::chrono::sys_seconds> ParseObservationTime(std::string_view secondLine);

/// "2024-01-05T17:53:00Z".
std::string IsoUtc(std::chrono::sys_seconds time);

} // namespace stormbell
