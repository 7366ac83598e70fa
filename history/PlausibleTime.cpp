// The span of observation times the history keeps, for stores with SQLite and without.
#include "history/HistoryStore.h"

namespace stormbell {

bool PlausibleObservation(std::chrono::sys_seconds observed, std::chrono::sys_seconds now) {
    using namespace std::chrono;
    constexpr sys_days kOldest = year(1900) / January / 1;
    return observed >= kOldest && observed <= now + days(1);
}

} // namespace stormbell
