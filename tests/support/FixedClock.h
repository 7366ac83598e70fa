// A clock that reads what the test set and keeps the user's local time zone at UTC.
#pragma once

#include <chrono>
#include <ctime>

#include "gauges/GaugeDescription.h"

namespace stormbell::testing {

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::chrono::sys_seconds now) : now_(now) {}
    void Set(std::chrono::sys_seconds now) { now_ = now; }
    std::chrono::sys_seconds Now() const override { return now_; }
    std::tm Local(std::chrono::sys_seconds when) const override {
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

private:
    std::chrono::sys_seconds now_;
};

} // namespace stormbell::testing
