// What the gauge window lends a printout besides the report: how its face shows the reading,
// and the history's readings of the shown station.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryReading.h"
#include "observation/Observation.h"

namespace stormbell {

/// The face as the window shows it.
struct FaceLook {
    Observation Shown;                  ///< the shown values and the display mode
    std::string StationLine;            ///< in the caption's space; the caption itself when empty
    std::uint16_t PressSet = 0;         ///< the reference hand, hundredths of a turn
    bool Dimmed = false;                ///< needles of a doubtful reading
    std::optional<int> GustKnots;       ///< the gust hand
    std::optional<double> ReferenceHpa; ///< the reference hand's value, for the history's curves
};

class PrintoutSource {
public:
    virtual ~PrintoutSource() = default;
    /// How the face shows the reading now.
    virtual FaceLook Face() const = 0;
    /// The shown station's readings observed from `since` on, oldest first; empty when the
    /// history has none or cannot be read.
    virtual std::vector<HistoryReading> Readings(std::chrono::sys_seconds since) const = 0;
};

} // namespace stormbell
