#include "settings/SettingsTable.h"

#include <type_traits>

#include "platform/TextConvert.h"
#include "settings/stations/RecentStations.h"

namespace stormbell::settingstable {

namespace {

constexpr double kHighestPressure = 9999.99; // the two-decimal text form holds four digits
constexpr std::string_view kRestPressureText = "28.00";
constexpr std::string_view kMetricStartPressureText = "100.0";
constexpr std::string_view kCalmText = "00";
constexpr std::int32_t kHighestDirection = 999;
constexpr std::int32_t kFastestWind = 999; // knots, as the three-digit text form holds

// The directory's earlier name; a store still holding it loads the default instead.
constexpr std::string_view kFormerReportDirectory = "data/observations/metar/stations";

std::optional<std::int32_t> Whole(const std::string& text, std::int32_t highest) {
    const auto value = TryStrToInt(text);
    return value && *value >= 0 && *value <= highest ? value : std::nullopt;
}

} // namespace

std::string WithDecimalPoint(std::string text) {
    if (std::ranges::count(text, ',') == 1 && text.find('.') == std::string::npos)
        text[text.find(',')] = '.';
    return text;
}

// A shown value off the dials would stall the next sweep for minutes, so it loads as its default.
std::optional<double> ReadPressure(const std::string& text) {
    const auto value = TryStrToFloat(text);
    return value && *value >= 0 && *value <= kHighestPressure ? value : std::nullopt;
}

std::string PressureText(double inches) {
    if (inches == rest::kPressureInHg)
        return std::string(kRestPressureText);
    if (inches == kMetricStartPressure)
        return std::string(kMetricStartPressureText);
    return FloatToStrGeneral(inches);
}

std::optional<WindDirection> ReadDirection(const std::string& text) {
    if (text == kVariableText)
        return kVariableWind;
    const auto degrees = Whole(text, kHighestDirection);
    return degrees ? std::optional(WindDirection{*degrees, false}) : std::nullopt;
}

std::optional<std::int32_t> ReadSpeed(const std::string& text) {
    return Whole(text, kFastestWind);
}

std::string SpeedText(std::int32_t knots) {
    return knots == rest::kWindSpeedKnots ? std::string(kCalmText) : IntToStr(knots);
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
