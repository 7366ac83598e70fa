#include "gauges/FaceStatus.h"

#include "gauges/GaugeDescription.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace {

constexpr std::chrono::hours kCountInDaysFrom{48};

// The station's identifier before what is said of it, when the report named one.
std::string Named(const ReadingContext& context, const std::string& what) {
    return context.StationIdentifier.empty() ? what : context.StationIdentifier + " " + what;
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
    if (context.LastCycleFailed)
        return {Named(context, say(STORMBELL_TEXT("StationLine", "update failed"))), true};
    if (!context.LastFetch)
        return {say(STORMBELL_TEXT("StationLine", "no reading yet")), false};
    if (!context.Observed)
        return {Named(context, say(STORMBELL_TEXT("StationLine", "time unknown"))), false};
    const auto age = clock.Now() - *context.Observed;
    if (age > kStaleAfter)
        return {Named(context, AgeWords(say, age)), true};
    return {Named(context, wording.Date(clock.Local(*context.Observed), DateForm::Time)), false};
}

} // namespace stormbell
