// The weather the gauges show now and the targets decoded from the last report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stormbell {

/// The skin and scales in use.
enum class DisplayMode { English, Metric };

/// The stored text "1" is Metric; any other text English.
DisplayMode DisplayModeFromText(std::string_view text);

/// The stored text: "0" English, "1" Metric.
constexpr std::string_view DisplayModeText(DisplayMode mode) {
    return mode == DisplayMode::Metric ? "1" : "0";
}

/// The quantities the last report did not state, or stated so that they cannot be read. Their
/// needles rest, and so do those of the values derived from them.
struct Unreported {
    bool Temperature = false;
    bool DewPoint = false;
    bool Pressure = false;
    bool Wind = false; ///< direction and speed, which one line states together
    /// The report's own "Relative Humidity" stands where temperature and dew point give none.
    bool HumidityStated = false;

    /// Humidity comes from temperature and dew point, or from the report's own figure.
    bool Humidity() const { return (Temperature || DewPoint) && !HumidityStated; }
    /// The heat index comes from temperature and dew point; a stated humidity alone makes none.
    bool HeatIndex() const { return Temperature || DewPoint; }
    /// The wind chill comes from temperature and wind speed.
    bool WindChill() const { return Temperature || Wind; }
    bool operator==(const Unreported&) const = default;
};

/// The stored form: the names of the unreported quantities, comma-separated, in the order
/// "Temperature,DewPoint,Pressure,Wind", then "HumidityStated" when it is set; empty when the
/// report stated all four.
std::string UnreportedText(const Unreported& missing);
/// Reads the stored form; names it does not know are skipped.
Unreported UnreportedFromText(std::string_view text);

/// A wind direction as the gauge holds it: degrees from north, or variable.
struct WindDirection {
    std::int32_t Degrees = 0; ///< 0..999, as a report's three digits hold; 0 when variable
    bool Variable = false;    ///< the report gives no steady direction

    bool operator==(const WindDirection&) const = default;
};

/// The direction of a variable wind.
inline constexpr WindDirection kVariableWind{0, true};

/// The quantities the six needles show, in the units the gauge keeps them in.
struct GaugeValues {
    std::int16_t TemperatureF = 0;    ///< whole °F
    std::int32_t HumidityPercent = 0; ///< relative humidity, whole percent
    double HeatIndexF = 0;            ///< °F; whole once a sweep starts
    double WindChillF = 0;            ///< °F; whole once a sweep starts
    double PressureInHg = 0;          ///< altimeter setting, inches of mercury
    stormbell::WindDirection WindDirection;
    std::int32_t WindSpeedKnots = 0; ///< sustained speed, whole knots

    bool operator==(const GaugeValues&) const = default;
};

/// The texts the decoder last cut from a report, before they are read as numbers.
struct CutTexts {
    std::string TemperatureC;                   ///< "13" of "Temperature: 55 F (13 C)"
    std::string DewPointC;                      ///< "5" of "Dew Point: 41 F (5 C)"
    std::string PressureInHg;                   ///< "30.09" of "Pressure (altimeter): 30.09 in. Hg"
    std::string WindDirection;                  ///< degrees, "000" when calm, "VRB" when variable
    std::string WindSpeedKnots;                 ///< "00" when calm
    std::optional<std::int32_t> StatedHumidity; ///< "Relative Humidity: 58%"
};

struct Observation {
    GaugeValues Shown;  ///< where the needles point now
    GaugeValues Target; ///< where the last report sends them
    CutTexts Cut;       ///< what the last report said, as cut
    stormbell::DisplayMode DisplayMode = stormbell::DisplayMode::English; ///< skin in use
    Unreported NotReported; ///< what the last report left unstated; its values are at rest

    /// Start-up rule: every target takes its shown value, so nothing moves before a report.
    void SetTargetsToShown() { Target = Shown; }
};

/// The needles' rest positions: what a settings store that was never written shows, and the
/// defaults the settings table stores them under.
namespace rest {
inline constexpr std::int16_t kTemperatureF = -30;
inline constexpr std::int32_t kHumidityPercent = 0;
inline constexpr double kHeatIndexF = -30.0;
inline constexpr double kWindChillF = -30.0;
inline constexpr double kPressureInHg = 28.0;
inline constexpr WindDirection kWindDirection{};
inline constexpr std::int32_t kWindSpeedKnots = 0;
inline constexpr DisplayMode kDisplayMode = DisplayMode::English;
/// The altimeter's reference hand, hundredths of a turn: pointing down.
inline constexpr std::uint16_t kPressSet = 50;
} // namespace rest

/// The rest positions as shown values, with every target equal to its shown value.
Observation FreshStoreObservation();

/// Puts the shown values of the quantities NotReported names, and of those derived from them,
/// at their rest positions: a value the report did not state is never kept as a reading.
void RestUnreported(Observation& observation);

} // namespace stormbell
