#include "platform/Clock.h"

#include "platform/LocalTime.h"

namespace stormbell {

std::chrono::sys_seconds SystemClock::Now() const {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

std::tm SystemClock::Local(std::chrono::sys_seconds when) const {
    return LocalTime(std::chrono::system_clock::to_time_t(when));
}

} // namespace stormbell
