// The figures a decoded report states in its own words, as it prints them: for the tooltip, the
// storm bell and the history. The needles take their values from the decoder, not from here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "observation/ServiceFigures.h"

namespace stormbell {

/// The wind as the report's "Wind:" line gives it.
struct ReportWind {
    bool Calm = false;                   ///< "Wind: Calm"
    bool Variable = false;               ///< "Variable at …" or "(direction variable)"
    std::optional<int> DirectionDegrees; ///< "from the SSW (210 degrees)"
    int SpeedKnots = 0;                  ///< "(13 KT)"; 0 when calm
    std::optional<int> GustKnots;        ///< "gusting to 25 MPH (22 KT)"
};

/// "Pressure tendency: 0.04 inches (1.4 hPa) lower than three hours ago".
struct PressureTendency {
    std::string Inches;       ///< "0.04", as printed, unsigned
    std::string Hectopascals; ///< "1.4", as printed, unsigned
    double Change = 0;        ///< signed hPa over three hours: negative when lower
};

/// Every field is missing when the report has no such line or the line does not read as the
/// service prints it. Texts are the report's bytes (single-byte, as downloaded).
struct ReportFigures {
    std::optional<ServiceFigure> Temperature; ///< "66.9 F (19.4 C)"
    std::optional<ServiceFigure> DewPoint;
    std::optional<int> RelativeHumidity;       ///< "Relative Humidity: 58%"
    std::optional<std::string> PressureInches; ///< "29.94" of "29.94 in. Hg (1013 hPa)"
    std::optional<int> PressureHectopascals;   ///< 1013
    std::optional<ReportWind> Wind;
    std::optional<std::string> Visibility; ///< "10 mile(s)", "greater than 7 mile(s)"
    std::optional<std::string> Sky;        ///< "mostly cloudy"
    std::optional<std::string> Weather;    ///< "thunder in the vicinity; light rain"
    std::optional<PressureTendency> Tendency;
    ServiceFigures Service; ///< the service's wind chill and heat index
};

/// Reads the captioned lines of a decoded report; a trailing ":0"/":1" flag is not part of a
/// text. Never throws: an unreadable line leaves its field missing.
ReportFigures ParseReportFigures(const std::vector<std::string>& reportLines);

/// True when the weather text names thunder or lightning, in any case.
bool WeatherHasThunder(const std::string& weather);

} // namespace stormbell
