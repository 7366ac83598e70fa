#include "app/StormBell.h"

#include <cstdio>

#include "platform/CalendarText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

// Printed figures are exact to a tenth: this keeps "3.5" from reading as just below 3.5.
constexpr double kTenthSlack = 1e-9;

bool Falls(double change) {
    return change <= -kStormPressureFall + kTenthSlack;
}

std::string Signs(const ReportFigures& figures, std::optional<double> historyChange) {
    std::string signs;
    if (figures.Weather && WeatherHasThunder(*figures.Weather))
        signs = "Thunder or lightning: " + Latin1ToUtf8(*figures.Weather);
    std::string fall;
    if (figures.Tendency) {
        if (Falls(figures.Tendency->Change))
            fall = figures.Tendency->Hectopascals + " hPa in 3 hours";
    } else if (historyChange && Falls(*historyChange)) {
        char amount[32];
        std::snprintf(amount, sizeof amount, "%.1f", -*historyChange);
        fall = std::string(amount) + " hPa in 3 hours, from the history";
    }
    if (!fall.empty())
        signs += std::string(signs.empty() ? "" : "\n") + "Pressure falling " + fall;
    return signs;
}

std::string LocalTime(const std::tm& local) {
    char text[32];
    std::snprintf(text, sizeof text, "%s %d, %02d:%02d", ShortMonthName(local.tm_mon),
                  local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

} // namespace

StormCall StormBell::Decide(const ReadingContext& context, bool enabled, const Clock& clock,
                            std::optional<double> historyChange) {
    if (!context.Observed)
        return {false, "the observation time is unknown", {}, {}};
    if (last_ && last_->Station == context.StationIdentifier &&
        last_->Observed == *context.Observed)
        return {false, "a repeated report", {}, {}};
    last_ = Decided{context.StationIdentifier, *context.Observed};
    const std::string signs = Signs(context.Figures, historyChange);
    if (signs.empty())
        return {false, "no thunder, lightning or sharp pressure fall", {}, {}};
    if (!enabled)
        return {false, "storm alerts are off", {}, {}};
    const std::string title = context.StationIdentifier.empty()
                                  ? "Storm warning"
                                  : "Storm warning — " + context.StationIdentifier;
    return {true, signs, title, signs + "\nObserved " + LocalTime(clock.Local(*context.Observed))};
}

} // namespace stormbell
