// One stored reading: a station's report at one observation time, with the figures the report
// states itself, as the history keeps it.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace stormbell {

struct HistoryReading {
    std::string Station;                ///< "KBFI"
    std::chrono::sys_seconds Observed;  ///< the report's UTC time
    std::chrono::sys_seconds Received;  ///< when the gauge (or an import) took it
    std::optional<double> TemperatureC; ///< as printed, "19.4"
    std::optional<double> DewPointC;
    std::optional<int> RelativeHumidity; ///< percent
    std::optional<double> PressureHpa;   ///< from the inches figure where there is one
    std::optional<int> WindDirection;    ///< degrees; missing when calm, variable or unstated
    bool WindVariable = false;
    std::optional<int> WindSpeedKnots; ///< 0 when calm
    std::optional<int> WindGustKnots;
    std::optional<std::string> Visibility; ///< the report's text, "10 mile(s)"
    std::optional<std::string> Sky;
    std::optional<std::string> Weather;
    std::optional<double> TendencyHpa; ///< the report's three-hour change, signed
    std::string Report;                ///< the whole report, lines joined by "\n"

    bool operator==(const HistoryReading&) const = default;
};

} // namespace stormbell
