#include "history/ReadingFromReport.h"

#include <cmath>

#include "observation/PressureUnits.h"
#include "observation/ReportFigures.h"
#include "observation/ReportHeader.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

std::optional<double> Number(const std::string& text) {
    const auto value = TryStrToFloat(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<double> Celsius(const std::optional<ServiceFigure>& figure) {
    return figure ? Number(figure->Celsius) : std::nullopt;
}

std::optional<std::string> Utf8(const std::optional<std::string>& text) {
    return text ? std::optional(Latin1ToUtf8(*text)) : std::nullopt;
}

// The inches figure has four significant digits, the printed hectopascals only whole ones.
std::optional<double> Hectopascals(const ReportFigures& figures) {
    if (figures.PressureInches)
        if (const auto inches = Number(*figures.PressureInches))
            return std::round(*inches * kHectopascalsPerInch * 10) / 10;
    if (figures.PressureHectopascals)
        return *figures.PressureHectopascals;
    return std::nullopt;
}

std::string JoinedReport(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& line : lines) {
        if (!joined.empty())
            joined += '\n';
        joined += line;
    }
    return Latin1ToUtf8(joined);
}

} // namespace

std::optional<HistoryReading> ReadingFromReport(const std::vector<std::string>& reportLines,
                                                std::chrono::sys_seconds received) {
    const ReportHeader header = ReadReportHeader(reportLines);
    if (header.Station.empty() || !header.Observed)
        return std::nullopt;
    const ReportFigures figures = ParseReportFigures(reportLines);
    HistoryReading reading;
    reading.Station = header.Station;
    reading.Observed = *header.Observed;
    reading.Received = received;
    reading.TemperatureC = Celsius(figures.Temperature);
    reading.DewPointC = Celsius(figures.DewPoint);
    reading.RelativeHumidity = figures.RelativeHumidity;
    reading.PressureHpa = Hectopascals(figures);
    if (figures.Wind) {
        reading.WindVariable = figures.Wind->Variable;
        if (!figures.Wind->Calm)
            reading.WindDirection = figures.Wind->DirectionDegrees;
        reading.WindSpeedKnots = figures.Wind->SpeedKnots;
        reading.WindGustKnots = figures.Wind->GustKnots;
    }
    reading.Visibility = Utf8(figures.Visibility);
    reading.Sky = Utf8(figures.Sky);
    reading.Weather = Utf8(figures.Weather);
    if (figures.Tendency)
        reading.TendencyHpa = figures.Tendency->Change;
    reading.Report = JoinedReport(reportLines);
    return reading;
}

} // namespace stormbell
