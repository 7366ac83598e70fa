#include "observation/ReportFigures.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "observation/FigureText.h"

namespace stormbell {

namespace {

using figure_text::SkipBlanks;
using figure_text::Take;
using figure_text::TakeHumidity;
using figure_text::TakeNumber;
using figure_text::TakeTemperature;
using figure_text::TakeWhole;

// The words of a line without the ":0"/":1" flag the service appends to some lines.
std::optional<std::string> Words(std::string_view text) {
    SkipBlanks(text);
    if (text.size() >= 2 && text[text.size() - 2] == ':' &&
        (text.back() == '0' || text.back() == '1'))
        text.remove_suffix(2);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    return std::string(text);
}

// "15 MPH (13 KT)": the knots.
std::optional<int> TakeSpeed(std::string_view& text) {
    if (!TakeNumber(text) || !Take(text, " MPH ("))
        return std::nullopt;
    const auto knots = TakeWhole(text, 3);
    if (!knots || !Take(text, " KT)"))
        return std::nullopt;
    return knots;
}

// "Calm", "Variable at 5 MPH (4 KT)", "from the SSW (210 degrees) at 15 MPH (13 KT) gusting to
// 25 MPH (22 KT)", each perhaps followed by "(direction variable)".
std::optional<ReportWind> TakeWind(std::string_view text) {
    SkipBlanks(text);
    ReportWind wind;
    if (Take(text, "Calm")) {
        wind.Calm = true;
        return wind;
    }
    if (Take(text, "Variable at ")) {
        wind.Variable = true;
    } else {
        if (!Take(text, "from the "))
            return std::nullopt;
        const std::size_t open = text.find(" (");
        if (open == std::string_view::npos)
            return std::nullopt;
        text.remove_prefix(open + 2);
        wind.DirectionDegrees = TakeWhole(text, 3);
        if (!wind.DirectionDegrees || *wind.DirectionDegrees > 360 || !Take(text, " degrees) at "))
            return std::nullopt;
    }
    const auto speed = TakeSpeed(text);
    if (!speed)
        return std::nullopt;
    wind.SpeedKnots = *speed;
    if (Take(text, " gusting to ")) {
        wind.GustKnots = TakeSpeed(text);
        if (!wind.GustKnots)
            return std::nullopt;
    }
    if (text.find("(direction variable)") != std::string_view::npos)
        wind.Variable = true;
    return wind;
}

// "0.12 inches (4.1 hPa) higher than three hours ago".
std::optional<PressureTendency> TakeTendency(std::string_view text) {
    SkipBlanks(text);
    PressureTendency tendency;
    const auto inches = TakeNumber(text);
    if (!inches || !Take(text, " inches ("))
        return std::nullopt;
    const auto hectopascals = TakeNumber(text);
    if (!hectopascals || hectopascals->starts_with('-') || !Take(text, " hPa) "))
        return std::nullopt;
    double change = 0;
    const char* last = hectopascals->data() + hectopascals->size();
    if (std::from_chars(hectopascals->data(), last, change).ptr != last)
        return std::nullopt;
    if (Take(text, "higher"))
        tendency.Change = change;
    else if (Take(text, "lower"))
        tendency.Change = -change;
    else
        return std::nullopt;
    tendency.Inches = *inches;
    tendency.Hectopascals = *hectopascals;
    return tendency;
}

// "29.94 in. Hg (1013 hPa)".
void TakePressure(std::string_view text, ReportFigures& figures) {
    SkipBlanks(text);
    auto inches = TakeNumber(text);
    if (!inches || inches->starts_with('-') || !Take(text, " in. Hg ("))
        return;
    const auto hectopascals = TakeWhole(text, 4);
    if (!hectopascals || !Take(text, " hPa)"))
        return;
    figures.PressureInches = std::move(inches);
    figures.PressureHectopascals = hectopascals;
}

} // namespace

ReportFigures ParseReportFigures(const std::vector<std::string>& reportLines) {
    ReportFigures figures;
    for (const std::string& line : reportLines) {
        std::string_view text = line;
        if (Take(text, "Temperature:"))
            figures.Temperature = TakeTemperature(text);
        else if (Take(text, "Dew Point:"))
            figures.DewPoint = TakeTemperature(text);
        else if (Take(text, "Relative Humidity:"))
            figures.RelativeHumidity = TakeHumidity(text);
        else if (Take(text, "Pressure (altimeter):"))
            TakePressure(text, figures);
        else if (Take(text, "Pressure tendency:"))
            figures.Tendency = TakeTendency(text);
        else if (Take(text, "Wind:"))
            figures.Wind = TakeWind(text);
        else if (Take(text, "Visibility:"))
            figures.Visibility = Words(text);
        else if (Take(text, "Sky conditions:"))
            figures.Sky = Words(text);
        else if (Take(text, "Weather:"))
            figures.Weather = Words(text);
    }
    figures.Service = ParseServiceFigures(reportLines);
    return figures;
}

bool WeatherHasThunder(const std::string& weather) {
    std::string lower(weather);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return lower.find("thunder") != std::string::npos ||
           lower.find("lightning") != std::string::npos;
}

} // namespace stormbell
