#include "settings/SettingsTable.h"

#include <type_traits>

#include "platform/TextConvert.h"
#include "settings/stations/RecentStations.h"

namespace stormbell::settingstable {

namespace {

constexpr double kHighestPressure = 9999.99; // the two-decimal text form holds four digits
constexpr std::int32_t kHighestDirection = 999;
constexpr std::int32_t kFastestWind = 999; // knots, as the three-digit text form holds

// The directory's earlier name; a store still holding it loads the default instead.
constexpr std::string_view kFormerReportDirectory = "data/observations/metar/stations";

bool IsWhole(const std::string& text, std::int32_t highest) {
    const auto value = TryStrToInt(text);
    return value && *value >= 0 && *value <= highest;
}

} // namespace

std::string WithDecimalPoint(std::string text) {
    if (std::ranges::count(text, ',') == 1 && text.find('.') == std::string::npos)
        text[text.find(',')] = '.';
    return text;
}

// A shown text the gauges cannot draw would make every redraw fail, so it loads as its default.
bool IsPressure(const std::string& text) {
    const auto value = TryStrToFloat(text);
    return value && *value >= 0 && *value <= kHighestPressure;
}

bool IsDirection(const std::string& text) {
    return text == VariableWind || IsWhole(text, kHighestDirection);
}

bool IsSpeed(const std::string& text) {
    return IsWhole(text, kFastestWind);
}

bool IsNotFormerDirectory(const std::string& text) {
    return text != kFormerReportDirectory;
}

std::string TidyRecentStations(std::string stored) {
    return WithRecentStation(stored, "");
}

std::string WithoutPortMarker(std::string host) {
    const std::string_view marker = "F#F"; // where older versions kept the port in the host
    return host.starts_with(marker) ? host.substr(marker.size()) : host;
}

} // namespace stormbell::settingstable

namespace stormbell {

// Each value held here starts at its row's default; the table knows them, so this is its code.
Settings::Settings() {
    settingstable::ForEachSetting([this](const auto& row) {
        using Row = std::remove_cvref_t<decltype(row)>;
        if constexpr (std::is_same_v<typename Row::Owner, Settings>)
            this->*row.Of = typename Row::Value(row.Default);
    });
}

} // namespace stormbell
