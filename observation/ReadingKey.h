// Which reading something belongs to: a station and its report's observation time. Results that
// come back later (the history's, the storm bell's) carry it, and are dropped when it is no
// longer the shown reading's.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "observation/ReadingContext.h"

namespace stormbell {

struct ReadingKey {
    std::string Station;               ///< "KBFI"
    std::chrono::sys_seconds Observed; ///< the report's UTC time

    bool operator==(const ReadingKey&) const = default;
};

/// The key of the report in `reportLines`: the identifier its first line names and the time its
/// second line gives. Nothing when either is missing; never throws.
std::optional<ReadingKey> ReportKey(const std::vector<std::string>& reportLines);

/// The key of the reading `context` describes; nothing without a station or a time.
std::optional<ReadingKey> KeyOf(const ReadingContext& context);

/// True when `received` is the same station as `shown` observed earlier: news that would take
/// the shown reading back in time.
bool GoesBack(const std::optional<ReadingKey>& shown, const std::optional<ReadingKey>& received);

} // namespace stormbell
