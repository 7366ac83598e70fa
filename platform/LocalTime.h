// The process's time zone, through the thread-safe call each system has for it.
#pragma once

#include <ctime>

namespace stormbell {

/// `time` as local broken-down time; all fields zero when the system cannot convert it.
std::tm LocalTime(std::time_t time);

} // namespace stormbell
