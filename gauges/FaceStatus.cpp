#include "gauges/FaceStatus.h"

#include <cstdio>

#include "gauges/GaugeDescription.h"

namespace stormbell {

namespace {

constexpr std::chrono::hours kCountInDaysFrom{48};

// The station's identifier before what is said of it, when the report named one.
std::string Named(const ReadingContext& context, const std::string& what) {
    const std::string& station = context.Header.Station;
    return station.empty() ? what : station + " " + what;
}

std::string AgeWords(std::chrono::seconds age) {
    using namespace std::chrono;
    if (age < kCountInDaysFrom)
        return std::to_string(duration_cast<hours>(age).count()) + " h old";
    return std::to_string(duration_cast<hours>(age).count() / 24) + " d old";
}

} // namespace

FaceStatus DescribeFaceStatus(const ReadingContext& context, const Clock& clock) {
    if (context.LastCycleFailed)
        return {Named(context, "update failed"), true};
    if (!context.LastFetch)
        return {"no reading yet", false};
    const auto& observed = context.Header.Observed;
    if (!observed)
        return {Named(context, "time unknown"), false};
    const auto age = clock.Now() - *observed;
    if (age > kStaleAfter)
        return {Named(context, AgeWords(age)), true};
    const std::tm local = clock.Local(*observed);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", local.tm_hour, local.tm_min);
    return {Named(context, time), false};
}

} // namespace stormbell
