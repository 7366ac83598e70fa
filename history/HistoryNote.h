// What the gauge's tooltip adds about the history: the pressure trend and where it comes from,
// and a history that could not be written.
#pragma once

#include <string>

#include "history/HistoryRecorder.h"
#include "platform/Wording.h"

namespace stormbell {

/// Lines, each ending in "\n", for the last reading's `result`: a trend the history gave,
/// "Pressure falling 1.4 hPa (0.04 inHg) in 3 hours, from the history since 06:00 UTC" (a
/// report's own tendency is told with its figures); then a problem and a notice, when there are
/// any. Empty when there is nothing to say. The words and numbers are `wording`'s.
std::string HistoryNote(const RecordResult& result, const Wording& wording = English());

/// A recorder's `problem` in `wording`'s words: its own reasons translated, a store's or the
/// system's reason as it came.
std::string HistoryProblem(const std::string& problem, const Wording& wording = English());

} // namespace stormbell
