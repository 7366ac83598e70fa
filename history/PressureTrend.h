// The pressure's three-hour change: the report's own tendency line when it has one, else the
// change since the stored reading nearest to three hours earlier.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "history/HistoryReading.h"
#include "history/HistoryStore.h"

namespace stormbell {

/// How far back the tendency looks, and how far from that the reading may lie.
inline constexpr std::chrono::hours kTrendSpan{3};
inline constexpr std::chrono::minutes kTrendTolerance{30};

enum class TrendSource { Report, History };

struct PressureTrend {
    double ChangeHpa = 0; ///< signed: negative when falling
    TrendSource Source = TrendSource::Report;
    std::optional<std::chrono::sys_seconds> Since; ///< the earlier reading's time, from the history

    bool operator==(const PressureTrend&) const = default;
};

/// The readings TrendOf may need for `now`: its station's within the tolerance of three hours
/// before it.
HistoryQuery TrendQuery(const HistoryReading& now);

/// The report's tendency when `now` has one. Otherwise, when `now` has a pressure, the change
/// from the reading of its station among `earlier` whose time is nearest to three hours before
/// it, no more than 30 minutes off and with a pressure (of two equally near, the earlier one).
/// Nothing when neither is there.
std::optional<PressureTrend> TrendOf(const HistoryReading& now,
                                     const std::vector<HistoryReading>& earlier);

} // namespace stormbell
