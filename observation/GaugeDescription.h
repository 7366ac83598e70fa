// The gauge in words: what the tooltip and a screen reader say about the reading, its age and the
// last fetch, in both unit systems.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "observation/Observation.h"
#include "observation/ServiceFigures.h"

namespace stormbell {

/// The current time and the user's local calendar, behind an interface so tests fix both.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::sys_seconds Now() const = 0;
    /// `when` in the user's local time zone.
    virtual std::tm Local(std::chrono::sys_seconds when) const = 0;
};

/// The system clock and the process's time zone.
class SystemClock final : public Clock {
public:
    std::chrono::sys_seconds Now() const override;
    std::tm Local(std::chrono::sys_seconds when) const override;
};

/// What the gauge knows about its reading besides the shown values; lives only for the run.
struct ReadingContext {
    std::string StationName;       ///< UTF-8, from the report's first line; empty when unknown
    std::string StationIdentifier; ///< "CYVR"; empty when unknown
    std::optional<std::chrono::sys_seconds> Observed;  ///< the report's UTC time
    std::optional<std::chrono::sys_seconds> LastFetch; ///< end of the last successful fetch
    bool LastCycleFailed = false;                      ///< the most recent cycle did not decode
    std::string LastFailure;                           ///< why it did not, when known; UTF-8
    bool FtpBlocked = false; ///< its FTP login could not connect to the service's server
    ServiceFigures Service;  ///< the report's own wind chill and heat index, when it gives them
};

/// An observation older than this is called outdated.
inline constexpr std::chrono::hours kStaleAfter{2};

/// Several lines: a warning first when the reading is outdated or the last cycle failed, then the
/// station, the observation time with its age, the last fetch, and each shown value in words in
/// both unit systems, those of the skin in use first. Until a report is decoded (no LastFetch)
/// it says there is no reading yet, with the values only when they are not the fresh store's rest
/// positions. `pressSet` is the reference hand's position. Never throws for damaged shown values;
/// such a value is named unreadable.
std::string DescribeGauge(const Observation& shown, std::uint16_t pressSet,
                          const ReadingContext& context, const Clock& clock);

/// "23 minutes ago", "2 hours 5 minutes ago", "3 days ago", "just now" (also for a future time).
std::string AgeText(std::chrono::seconds age);

/// One of the sixteen compass points for a direction in degrees ("N", "NNE", ... "NNW").
std::string CompassPoint(int degrees);

} // namespace stormbell
