// The weather the gauges show now and the targets decoded from the last report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stormbell {

/// The wind direction text of a report whose wind is variable.
inline constexpr const char* VariableWind = "VRB";

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

struct Observation {
    std::int16_t OTemp = 0;   ///< shown temperature, whole °F
    std::int16_t NewTemp = 0; ///< target temperature, whole °F
    std::int32_t OHumd = 0;   ///< shown relative humidity, whole percent
    std::int32_t NewHumd = 0; ///< target relative humidity, 0..100
    double OHeatIndex = 0;    ///< shown heat index, °F, always whole
    double NewHeatIndex = 0;  ///< target heat index, always whole
    double OChill = 0;        ///< shown wind chill, °F, always whole
    double NewChill = 0;      ///< target wind chill, always whole
    std::string OPresInfo;    ///< shown altimeter pressure, inHg, decimal text
    std::string NewPresInfo;  ///< target altimeter pressure as cut from the report
    std::string OWDInfo;      ///< shown wind direction: three digits of degrees, or "VRB"
    std::string NewWDInfo;    ///< target wind direction: degrees text, "000" calm, "VRB"
    std::string OWSInfo;      ///< shown wind speed, whole knots as text
    std::string NewWSInfo;    ///< target wind speed, knots text, "00" calm
    std::string TempCText;    ///< Celsius temperature text last cut from a report
    std::string DewCText;     ///< Celsius dew point text last cut from a report
    std::optional<std::int32_t> StatedHumidity; ///< "Relative Humidity: 58%" of the last report
    stormbell::DisplayMode DisplayMode = stormbell::DisplayMode::English; ///< skin in use
    Unreported NotReported; ///< what the last report left unstated; its values are at rest

    /// Start-up rule: every target takes its shown value, so nothing moves before a report.
    void SetTargetsToShown();
};

/// The needles' rest positions: what a settings store that was never written shows, and the
/// defaults the settings table stores them under.
namespace rest {
inline constexpr std::int16_t kTemp = -30;
inline constexpr std::int32_t kHumd = 0;
inline constexpr double kHeatIndex = -30.0;
inline constexpr double kChill = -30.0;
inline constexpr std::string_view kPresInfo = "28.00";
inline constexpr std::string_view kWDInfo = "000";
inline constexpr std::string_view kWSInfo = "00";
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
