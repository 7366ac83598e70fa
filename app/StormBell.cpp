#include "app/StormBell.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <sstream>

#include "gauges/GaugeDescription.h"
#include "gauges/ServiceWords.h"
#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

// Printed figures are exact to a tenth: this keeps "3.5" from reading as just below 3.5.
constexpr double kTenthSlack = 1e-9;
// Enough for every station a user flips between; the oldest decision goes first.
constexpr std::size_t kRememberedStations = 64;

bool Falls(double change) {
    return change <= -kStormPressureFall + kTenthSlack;
}

std::string Signs(const Words& say, const ReportFigures& figures,
                  std::optional<double> historyChange) {
    std::string signs;
    if (figures.Weather && WeatherHasThunder(*figures.Weather))
        signs = say(STORMBELL_TEXT("StormAlert", "Thunder or lightning: %1"),
                    {WeatherWords(Latin1ToUtf8(*figures.Weather), say.Forms())});
    std::string fall;
    if (figures.Tendency) {
        if (Falls(figures.Tendency->Change))
            fall = say(STORMBELL_TEXT("StormAlert", "Pressure falling %1 hPa in 3 hours"),
                       {say.Forms().Number(figures.Tendency->Hectopascals)});
    } else if (historyChange && Falls(*historyChange)) {
        fall = say(
            STORMBELL_TEXT("StormAlert", "Pressure falling %1 hPa in 3 hours, from the history"),
            {say.Forms().Number(Fixed(-*historyChange, 1))});
    }
    if (!fall.empty())
        signs += std::string(signs.empty() ? "" : "\n") + fall;
    return signs;
}

// "Aug 12, 03:21", with the year after the day when it is not this year's.
std::string LocalTime(const Wording& wording, const std::tm& local, const std::tm& today) {
    return wording.Date(local, local.tm_year == today.tm_year ? DateForm::DayCommaTime
                                                              : DateForm::DayYearCommaTime);
}

// "KBFI 1692935580;KFNT 1628738460": each station with the seconds of its newest decided time.
std::map<std::string, std::chrono::sys_seconds> ParseDecided(const std::string& text) {
    std::map<std::string, std::chrono::sys_seconds> decided;
    std::istringstream entries(text);
    std::string entry;
    while (std::getline(entries, entry, ';')) {
        const auto space = entry.find(' ');
        if (space == 0 || space == std::string::npos)
            continue;
        long long seconds = 0;
        const char* end = entry.data() + entry.size();
        const auto [at, error] = std::from_chars(entry.data() + space + 1, end, seconds);
        if (error == std::errc() && at == end)
            decided[entry.substr(0, space)] =
                std::chrono::sys_seconds{std::chrono::seconds{seconds}};
    }
    return decided;
}

std::string DecidedText(const std::map<std::string, std::chrono::sys_seconds>& decided) {
    std::string text;
    for (const auto& [station, observed] : decided)
        text += (text.empty() ? "" : ";") + station + " " +
                std::to_string(observed.time_since_epoch().count());
    return text;
}

} // namespace

StormBell::StormBell(SettingsStore& store)
    : store_(store), decided_(ParseDecided(store.ReadSetting(kStormBellDecidedKey, ""))) {}

StormCall StormBell::Decide(const ReadingContext& context, bool enabled, const Clock& clock,
                            std::optional<double> historyChange, const Wording& wording) {
    const ReportHeader& header = context.Header;
    if (!header.Observed)
        return {false, "the observation time is unknown", {}, {}, {}};
    if (header.Station.empty())
        return {false, "the station is unknown", {}, {}, {}};
    const auto now = clock.Now();
    const auto observed = *header.Observed;
    if (now - observed > kStaleAfter)
        return {false, "an outdated observation", {}, {}, {}};
    const auto before = decided_.find(header.Station);
    if (before != decided_.end() && observed <= before->second)
        return {false, "a repeated report", {}, {}, {}};
    const Words say(wording, "StormAlert");
    const std::string problem = Remember(say, header.Station, observed);
    const std::string signs = Signs(say, context.Figures, historyChange);
    if (signs.empty())
        return {false, "no thunder, lightning or sharp pressure fall", {}, {}, problem};
    if (!enabled)
        return {false, "storm alerts are off", {}, {}, problem};
    const std::string place = header.StationName.empty()
                                  ? header.Station
                                  : header.StationName + " (" + header.Station + ")";
    return {true, signs, say(STORMBELL_TEXT("StormAlert", "Storm warning — %1"), {header.Station}),
            signs + "\n" + place + "\n" +
                say(STORMBELL_TEXT("StormAlert", "Observed %1, %2"),
                    {LocalTime(wording, clock.Local(observed), clock.Local(now)),
                     AgeText(now - observed, wording)}),
            problem};
}

std::string StormBell::Remember(const Words& say, const std::string& station,
                                std::chrono::sys_seconds observed) {
    decided_[station] = observed;
    if (decided_.size() > kRememberedStations)
        decided_.erase(std::min_element(decided_.begin(), decided_.end(),
                                        [](auto& a, auto& b) { return a.second < b.second; }));
    try {
        store_.WriteSetting(kStormBellDecidedKey, DecidedText(decided_));
        store_.Commit();
    } catch (const std::exception& error) {
        // The bell still knows it for this run; only a restart could ring for it again.
        return say(STORMBELL_TEXT("StormAlert", "this alert may be repeated after a restart: %1"),
                   {error.what()});
    }
    return {};
}

} // namespace stormbell
