#include "gauges/FaceStatus.h"

#include "gauges/GaugeDescription.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace {

constexpr std::chrono::hours kCountInDaysFrom{48};

// `station` before what is said of it, when it is known.
std::string Named(const std::string& station, const std::string& what) {
    return station.empty() ? what : station + " " + what;
}

std::string AgeWords(const Words& say, std::chrono::seconds age) {
    using namespace std::chrono;
    if (age < kCountInDaysFrom)
        return say(STORMBELL_TEXT("StationLine", "%1 h old"),
                   {std::to_string(duration_cast<hours>(age).count())});
    return say(STORMBELL_TEXT("StationLine", "%1 d old"),
               {std::to_string(duration_cast<hours>(age).count() / 24)});
}

} // namespace

FaceStatus DescribeFaceStatus(const ReadingContext& context, const Clock& clock,
                              const Wording& wording) {
    const Words say(wording, "StationLine");
    // A failure names the station it failed for, which need not be the one shown.
    if (context.LastCycleFailed)
        return {
            Named(context.FailedStation.empty() ? context.Header.Station : context.FailedStation,
                  say(STORMBELL_TEXT("StationLine", "update failed"))),
            true};
    if (!context.LastFetch)
        return {say(STORMBELL_TEXT("StationLine", "no reading yet")), false};
    if (!context.Header.Observed)
        return {Named(context.Header.Station, say(STORMBELL_TEXT("StationLine", "time unknown"))),
                false};
    const auto age = clock.Now() - *context.Header.Observed;
    if (age > kStaleAfter)
        return {Named(context.Header.Station, AgeWords(say, age)), true};
    return {Named(context.Header.Station,
                  wording.Date(clock.Local(*context.Header.Observed), DateForm::Time)),
            false};
}

} // namespace stormbell
