#include "platform/Clock.h"

#include "platform/LocalTime.h"

namespace stormbell {

std::tm UtcBreakdown(std::chrono::sys_seconds when) {
    using namespace std::chrono;
    const sys_days day = floor<days>(when);
    const year_month_day date(day);
    const hh_mm_ss time(when - day);
    std::tm utc{};
    utc.tm_year = static_cast<int>(date.year()) - 1900;
    utc.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    utc.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    utc.tm_hour = static_cast<int>(time.hours().count());
    utc.tm_min = static_cast<int>(time.minutes().count());
    utc.tm_sec = static_cast<int>(time.seconds().count());
    utc.tm_wday = static_cast<int>(weekday(day).c_encoding());
    utc.tm_yday = static_cast<int>((day - sys_days(date.year() / January / 1)).count());
    return utc;
}

std::chrono::sys_seconds SystemClock::Now() const {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

std::tm SystemClock::Local(std::chrono::sys_seconds when) const {
    return LocalTime(std::chrono::system_clock::to_time_t(when));
}

} // namespace stormbell
