#include "app/StormBell.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <sstream>

#include "gauges/GaugeDescription.h"
#include "platform/CalendarText.h"
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

// "Aug 12, 03:21", with the year after the day when it is not this year's.
std::string LocalTime(const std::tm& local, const std::tm& today) {
    char year[16] = "";
    if (local.tm_year != today.tm_year)
        std::snprintf(year, sizeof year, ", %d", local.tm_year + 1900);
    char text[48];
    std::snprintf(text, sizeof text, "%s %d%s, %02d:%02d", ShortMonthName(local.tm_mon),
                  local.tm_mday, year, local.tm_hour, local.tm_min);
    return text;
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
                            std::optional<double> historyChange) {
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
    const std::string problem = Remember(header.Station, observed);
    const std::string signs = Signs(context.Figures, historyChange);
    if (signs.empty())
        return {false, "no thunder, lightning or sharp pressure fall", {}, {}, problem};
    if (!enabled)
        return {false, "storm alerts are off", {}, {}, problem};
    const std::string place = header.StationName.empty()
                                  ? header.Station
                                  : header.StationName + " (" + header.Station + ")";
    return {true, signs, "Storm warning — " + header.Station,
            signs + "\n" + place + "\nObserved " +
                LocalTime(clock.Local(observed), clock.Local(now)) + ", " + AgeText(now - observed),
            problem};
}

std::string StormBell::Remember(const std::string& station, std::chrono::sys_seconds observed) {
    decided_[station] = observed;
    if (decided_.size() > kRememberedStations)
        decided_.erase(std::min_element(decided_.begin(), decided_.end(),
                                        [](auto& a, auto& b) { return a.second < b.second; }));
    try {
        store_.WriteSetting(kStormBellDecidedKey, DecidedText(decided_));
        store_.Commit();
    } catch (const std::exception& error) {
        // The bell still knows it for this run; only a restart could ring for it again.
        return std::string("this alert may be repeated after a restart: ") + error.what();
    }
    return {};
}

} // namespace stormbell
