// What the face itself says about its reading, without colour: the station line under the bars
// ("KBFI 15:53", "KBFI 3 h old", "KBFI update failed", "no reading yet") and whether the
// needles show a reading to doubt.
#pragma once

#include <string>

#include "observation/ReadingContext.h"
#include "platform/Clock.h"
#include "platform/Wording.h"

namespace stormbell {

struct FaceStatus {
    std::string StationLine; ///< UTF-8 (ASCII in English), short enough for the caption's space
    bool Doubtful = false;   ///< the last cycle failed or the reading is stale: needles dimmed
};

/// The face's status now. A failure outranks the age, and the age the time; stale is what the
/// description calls outdated (older than kStaleAfter), in whole hours, or days from 48 hours.
/// The words and the time's form are `wording`'s.
FaceStatus DescribeFaceStatus(const ReadingContext& context, const Clock& clock,
                              const Wording& wording = English());

} // namespace stormbell
