// The storm bell's decision: whether a decoded report rings a desktop notification, and why.
// It rings once per observation, for thunder or lightning in its weather or a pressure fall of
// 3.5 hPa or more in three hours (the report's tendency, else the history's); never again for
// a repeated report.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "observation/ReadingContext.h"
#include "platform/Clock.h"
#include "platform/Wording.h"

namespace stormbell {

/// The fall in three hours that rings the bell, in hPa.
inline constexpr double kStormPressureFall = 3.5;

struct StormCall {
    bool Ring = false;
    std::string Why;   ///< the storm's signs when it rings, else why it does not; UTF-8
    std::string Title; ///< "Storm warning — KBFI", when it rings
    std::string Body;  ///< the signs and the observation's local time, when it rings
};

class StormBell {
public:
    /// After a report was decoded into `context`: the call for it. Each observation (station and
    /// observation time) is decided once, whether `enabled` or not, so turning alerts on later
    /// never rings for an old report; a report without an observation time never rings.
    /// `historyChange`, the pressure change in hPa over three hours from the stored readings,
    /// stands in for a report without a tendency line. The signs, title and body are in
    /// `wording`'s words; why a report does not ring stays English, for the debug log.
    StormCall Decide(const ReadingContext& context, bool enabled, const Clock& clock,
                     std::optional<double> historyChange = std::nullopt,
                     const Wording& wording = English());

private:
    struct Decided {
        std::string Station;
        std::chrono::sys_seconds Observed;
    };
    std::optional<Decided> last_;
};

} // namespace stormbell
