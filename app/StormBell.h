// The storm bell's decision: whether a decoded report rings a desktop notification, and why.
// It rings only for news: a fresh observation with thunder or lightning in its weather or a
// pressure fall of 3.5 hPa or more in three hours (the report's tendency, else the history's),
// and never again for the same station and observation time, across restarts too.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>

#include "observation/ReadingContext.h"
#include "platform/Clock.h"
#include "platform/Wording.h"
#include "settings/SettingsStore.h"

namespace stormbell {

/// The fall in three hours that rings the bell, in hPa.
inline constexpr double kStormPressureFall = 3.5;

/// Where the bell keeps, for each station, the newest observation time it decided on.
inline constexpr const char* kStormBellDecidedKey = "StormBellDecided";

struct StormCall {
    bool Ring = false;
    std::string Why;   ///< the storm's signs when it rings, else why it does not; UTF-8
    std::string Title; ///< "Storm warning — KBFI", when it rings
    /// The signs, the station's place and identifier, and the observation's local time with its
    /// date and age, when it rings; UTF-8.
    std::string Body;
    /// Why the decision could not be kept for the next run; empty when it was. UTF-8.
    std::string Problem;
};

class StormBell {
public:
    /// Remembers its decisions in `store` under kStormBellDecidedKey, which must outlive the bell;
    /// an unreadable stored text counts as no decision.
    explicit StormBell(SettingsStore& store);

    /// After a report was decoded into `context`: the call for it. Only an observation no older
    /// than kStaleAfter is decided, and each observation (station and time) once, whether
    /// `enabled` or not, so turning alerts on later never rings for an old report; an
    /// observation no newer than one decided for its station before (in this run or an earlier
    /// one) never rings, nor does a report without a station or an observation time.
    /// `historyChange`, the pressure change in hPa over three hours from the stored readings,
    /// stands in for a report without a tendency line. A decision that cannot be stored is told
    /// in Problem; the call stands. The signs, title, body and problem are in `wording`'s words;
    /// why a report does not ring stays English, for the debug log.
    StormCall Decide(const ReadingContext& context, bool enabled, const Clock& clock,
                     std::optional<double> historyChange = std::nullopt,
                     const Wording& wording = English());

private:
    std::string Remember(const Words& say, const std::string& station,
                         std::chrono::sys_seconds observed);

    SettingsStore& store_;
    std::map<std::string, std::chrono::sys_seconds> decided_;
};

} // namespace stormbell
