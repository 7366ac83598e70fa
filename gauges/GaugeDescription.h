// The gauge in words: what the tooltip and a screen reader say about the reading, its age and the
// last fetch, in both unit systems.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "observation/Observation.h"
#include "observation/ReadingContext.h"
#include "platform/Clock.h"
#include "platform/Wording.h"

namespace stormbell {

/// An observation older than this is called outdated.
inline constexpr std::chrono::hours kStaleAfter{2};

/// Several lines: a warning first when the reading is outdated, the last cycle failed (naming the
/// station it failed for when that is not the one shown), the service sent an older observation
/// than the one shown or the storm alert could not be shown, then the station, the observation time
/// with its age, the last fetch, and each shown value in words in both unit systems, those of the
/// skin in use first. Where this run decoded a report, its own figures stand for temperature and
/// pressure, the service's humidity (where it differs), wind chill and heat index beside the
/// gauge's, and its dew point, tendency, gusts, visibility, sky and weather follow when it gives
/// them. Until a report is decoded (no LastFetch) it says there is no reading yet, with the values
/// only when they are not the fresh store's rest positions. `pressSet` is the reference hand's
/// position. Never throws.
/// The words and forms are `wording`'s; the messages of the context (failures, station name) are
/// shown as they are.
std::string DescribeGauge(const Observation& observation, std::uint16_t pressSet,
                          const ReadingContext& context, const Clock& clock,
                          const Wording& wording = English());

/// "23 minutes ago", "2 hours 5 minutes ago", "3 days ago", "just now" (also for a future time).
std::string AgeText(std::chrono::seconds age, const Wording& wording = English());

/// One of the sixteen compass points for a direction in degrees ("N", "NNE", ... "NNW").
std::string CompassPoint(int degrees, const Wording& wording = English());

} // namespace stormbell
