// The current time and the user's local calendar, behind an interface so tests fix both.
#pragma once

#include <chrono>
#include <ctime>

namespace stormbell {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::sys_seconds Now() const = 0;
    /// `when` in the user's local time zone.
    virtual std::tm Local(std::chrono::sys_seconds when) const = 0;
};

/// `when` broken down in UTC, every field of std::tm set; computed, so no time zone is involved.
std::tm UtcBreakdown(std::chrono::sys_seconds when);

/// The system clock and the process's time zone.
class SystemClock final : public Clock {
public:
    std::chrono::sys_seconds Now() const override;
    std::tm Local(std::chrono::sys_seconds when) const override;
};

} // namespace stormbell
