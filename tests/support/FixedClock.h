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
    std::tm Local(std::chrono::sys_seconds when) const override { return UtcBreakdown(when); }

private:
    std::chrono::sys_seconds now_;
};

} // namespace stormbell::testing
