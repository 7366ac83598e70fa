// The heading of a printed report: which station, when it was observed (in UTC and in the
// user's local time with its zone) and when it was printed.
#pragma once

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Wording.h"

namespace stormbell {

/// Three UTF-8 lines from the report's first two lines:
/// "SEATTLE BOEING FIELD, WA, United States (KBFI)",
/// "Observed Aug 25, 2023 03:53 UTC, Aug 24, 2023 20:53 local time (UTC-07:00)",
/// "Printed Dec 8, 2026 10:15 local time (UTC+01:00)". A line that does not name the station or
/// the time says so ("Unknown station", "Observation time unknown"); never throws. The words and
/// dates are `wording`'s.
std::vector<std::string> PrintHeading(const std::vector<std::string>& reportLines,
                                      const Clock& clock, const Wording& wording = English());

} // namespace stormbell
