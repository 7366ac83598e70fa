#include "gauges/FaceStatus.h"

#include <cstdio>

#include "gauges/GaugeDescription.h"

namespace stormbell {

namespace {

constexpr std::chrono::hours kCountInDaysFrom{48};

// `station` before what is said of it, when it is known.
std::string Named(const std::string& station, const std::string& what) {
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
    // A failure names the station it failed for, which need not be the one shown.
    if (context.LastCycleFailed)
        return {
            Named(context.FailedStation.empty() ? context.Header.Station : context.FailedStation,
                  "update failed"),
            true};
    if (!context.LastFetch)
        return {"no reading yet", false};
    if (!context.Header.Observed)
        return {Named(context.Header.Station, "time unknown"), false};
    const auto age = clock.Now() - *context.Header.Observed;
    if (age > kStaleAfter)
        return {Named(context.Header.Station, AgeWords(age)), true};
    const std::tm local = clock.Local(*context.Header.Observed);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", local.tm_hour, local.tm_min);
    return {Named(context.Header.Station, time), false};
}

} // namespace stormbell
