// The heading line of a printed report: which station, when it was observed, when printed.
#pragma once

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Wording.h"

namespace stormbell {

/// "SEATTLE BOEING FIELD, WA, United States (KBFI) — observed Aug 25, 2023 03:53 — printed
/// Dec 8, 2026 10:15", in local time, from the report's first two lines; UTF-8. A line that does
/// not name the station or the time says so. The words and dates are `wording`'s.
std::string PrintHeading(const std::vector<std::string>& reportLines, const Clock& clock,
                         const Wording& wording = English());

} // namespace stormbell
