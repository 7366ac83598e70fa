#include "net/LowSpeedWatch.h"

#include <algorithm>

namespace stormbell {

void LowSpeedWatch::Start(Clock::time_point now, std::size_t bytesPerSecond, int windowMs) {
    const bool active = bytesPerSecond > 0 && windowMs > 0;
    window_ = std::chrono::milliseconds(active ? windowMs : 0);
    needed_ = active ? bytesPerSecond * static_cast<std::size_t>(windowMs) / 1000 : 0;
    bytes_ = 0;
    end_ = now + window_;
}

bool LowSpeedWatch::Check(Clock::time_point now) {
    if (window_.count() == 0 || now < end_)
        return true;
    if (bytes_ > 0 && bytes_ < needed_)
        return false;
    bytes_ = 0;
    end_ = now + window_;
    return true;
}

int LowSpeedWatch::MsToWindowEnd(Clock::time_point now) const {
    if (window_.count() == 0)
        return 0;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end_ - now).count();
    return static_cast<int>(std::max<long long>(left, 1));
}

} // namespace stormbell
