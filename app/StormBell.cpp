#include "app/StormBell.h"

#include <charconv>

#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

// Printed figures are exact to a tenth: this keeps "3.5" from reading as just below 3.5.
constexpr double kTenthSlack = 1e-9;

bool Falls(double change) {
    return change <= -kStormPressureFall + kTenthSlack;
}

std::string Signs(const Words& say, const ReportFigures& figures,
                  std::optional<double> historyChange) {
    std::string signs;
    if (figures.Weather && WeatherHasThunder(*figures.Weather))
        signs = say(STORMBELL_TEXT("StormAlert", "Thunder or lightning: %1"),
                    {Latin1ToUtf8(*figures.Weather)});
    std::string fall;
    if (figures.Tendency) {
        if (Falls(figures.Tendency->Change))
            fall = say(STORMBELL_TEXT("StormAlert", "Pressure falling %1 hPa in 3 hours"),
                       {say.Forms().Number(figures.Tendency->Hectopascals)});
    } else if (historyChange && Falls(*historyChange)) {
        // The C locale's form whatever the process's: the wording localises it.
        char amount[400];
        const auto end = std::to_chars(amount, amount + sizeof amount, -*historyChange,
                                       std::chars_format::fixed, 1)
                             .ptr;
        fall = say(
            STORMBELL_TEXT("StormAlert", "Pressure falling %1 hPa in 3 hours, from the history"),
            {say.Forms().Number(std::string(amount, end))});
    }
    if (!fall.empty())
        signs += std::string(signs.empty() ? "" : "\n") + fall;
    return signs;
}

} // namespace

StormCall StormBell::Decide(const ReadingContext& context, bool enabled, const Clock& clock,
                            std::optional<double> historyChange, const Wording& wording) {
    if (!context.Observed)
        return {false, "the observation time is unknown", {}, {}};
    if (last_ && last_->Station == context.StationIdentifier &&
        last_->Observed == *context.Observed)
        return {false, "a repeated report", {}, {}};
    last_ = Decided{context.StationIdentifier, *context.Observed};
    const Words say(wording, "StormAlert");
    const std::string signs = Signs(say, context.Figures, historyChange);
    if (signs.empty())
        return {false, "no thunder, lightning or sharp pressure fall", {}, {}};
    if (!enabled)
        return {false, "storm alerts are off", {}, {}};
    const std::string title =
        context.StationIdentifier.empty()
            ? say(STORMBELL_TEXT("StormAlert", "Storm warning"))
            : say(STORMBELL_TEXT("StormAlert", "Storm warning — %1"), {context.StationIdentifier});
    return {true, signs, title,
            signs + "\n" +
                say(STORMBELL_TEXT("StormAlert", "Observed %1"),
                    {wording.Date(clock.Local(*context.Observed), DateForm::DayCommaTime)})};
}

} // namespace stormbell
