// Every persisted setting in one table, in the order the save writes them: the name it is stored
// under, the variable that holds it, its default and the limits or text rules of its load. The
// load, the save, Settings' defaults and the dialogs' spins all read these rows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "net/NetTexts.h"
#include "observation/Observation.h"
#include "observation/ValueTexts.h"
#include "settings/Settings.h"
#include "settings/WindowPlace.h"

namespace stormbell::settingstable {

/// The variables the settings live in between the load and the save, as copies the load fills
/// and the save writes from. The reference hand's stored position belongs to the gauges.
struct Variables {
    Settings settings;
    Observation observation;
    std::uint16_t StoredPressSet = 0;
};

/// The load that reads a setting: the main window's creation or its first activation.
enum class ReadBy { WindowCreation, FirstActivation };

/// What the load makes of a number outside a setting's limits.
enum class Outside {
    Default, ///< the default, as for a text that is no number
    Clamp,   ///< the nearer limit
    Keep,    ///< the number as stored: only the setting's dialog limits it
};

/// The range of a number setting; by default its variable's, so that a stored number the
/// variable cannot hold loads as the default instead of wrapping.
template <typename T> struct Limits {
    T Lowest = std::numeric_limits<T>::lowest();
    T Highest = std::numeric_limits<T>::max();
    Outside OnLoad = Outside::Default;

    constexpr T Clamped(T value) const { return std::clamp(value, Lowest, Highest); }
};

/// How a text setting is loaded and saved: the load applies `Loaded` and takes the default for
/// a text that is not `Usable`; the save writes the text through `Saved`. A missing function
/// leaves the text as it is.
struct TextRule {
    std::string (*Loaded)(std::string stored) = nullptr;
    bool (*Usable)(const std::string& text) = nullptr;
    std::string (*Saved)(std::string value) = nullptr;
};

/// A shown value the design stores as text. The load applies `Loaded`, when there is one, and
/// takes the default where `Read` gives nothing; a value the run changed is saved as `Written`
/// gives it, and one it left as loaded in the text it was loaded from, so that a store loads and
/// saves to the same bytes.
template <typename T> struct TextForm {
    std::optional<T> (*Read)(const std::string& text) = nullptr;
    std::string (*Written)(T value) = nullptr;
    std::string (*Loaded)(std::string stored) = nullptr;
};

/// Booleans need no rule: true/false, 1/0, yes/no and on/off in any case, else the default.
struct NoRule {};

/// The display mode is stored as its text: "1" is Metric, any other text English.
struct ModeRule {};

/// The unreported quantities are stored as UnreportedText; names the load does not know are
/// skipped.
struct UnreportedRule {};

template <typename T> struct RuleFor { using type = Limits<T>; };
template <> struct RuleFor<bool> { using type = NoRule; };
template <> struct RuleFor<DisplayMode> { using type = ModeRule; };
template <> struct RuleFor<Unreported> { using type = UnreportedRule; };
template <> struct RuleFor<std::string> { using type = TextRule; };

/// One stored setting. The type of its variable chooses the conversion: whole numbers in their
/// shortest decimal form, reals in the shortest general form (loaded as whole numbers, since
/// the sweep steps them by whole degrees, and with a decimal comma read as a point), booleans
/// as "true"/"false", texts unchanged. The default is taken when the value is missing or its
/// text unusable, and is read from the store in the form the save writes.
template <typename Home, typename T, typename Conversion = typename RuleFor<T>::type>
struct Setting {
    using Owner = Home;
    using Value = T;
    using DefaultType = std::conditional_t<std::is_same_v<T, std::string>, std::string_view, T>;
    using RuleType = Conversion;

    constexpr Setting(const char* name, T Home::*of, DefaultType fallback, Conversion rule = {},
                      ReadBy readBy = ReadBy::FirstActivation)
        : Name(name), Of(of), Default(fallback), Rule(rule), Reader(readBy) {}

    const char* Name;
    T Home::*Of; ///< the variable, in Settings, the shown GaugeValues, Observation or Variables
    DefaultType Default;
    RuleType Rule;
    ReadBy Reader;
};

// What the thermometer can show: a stored shown value outside these would stall the next sweep
// for minutes.
inline constexpr std::int16_t kColdestShown = -150; // °F: below the coldest air ever measured
inline constexpr std::int16_t kHottestShown = 250;  // °F: above the heat index of the hottest air

/// A store written under a comma locale, by another program or by hand holds "72,5": a single
/// comma in a text without a point is read as the point.
std::string WithDecimalPoint(std::string text);
/// Where the metric skin's pressure needle starts on a store that never held a reading.
inline constexpr double kMetricStartPressure = 100.0;
/// A pressure of 0..9999.99, what its two-decimal text form holds; nothing for other texts.
std::optional<double> ReadPressure(const std::string& text);
/// The shortest text; the rest position and the metric start in the texts the design stores
/// them in, "28.00" and "100.0".
std::string PressureText(double inches);
/// "VRB" or whole degrees of 0..999, as three digits hold; nothing for other texts.
std::optional<WindDirection> ReadDirection(const std::string& text);
/// Whole knots of 0..999, as three digits hold; nothing for other texts.
std::optional<std::int32_t> ReadSpeed(const std::string& text);
/// The shortest text; calm, the rest position, as "00".
std::string SpeedText(std::int32_t knots);
/// Any directory but the earlier name of the reports' one.
bool IsNotFormerDirectory(const std::string& text);
/// The recent stations' list without its parts that name no station, and at most five.
std::string TidyRecentStations(std::string stored);
/// The host without one "F#F" at its front.
std::string WithoutPortMarker(std::string host);

/// The window's place is held in 16 bits.
inline constexpr Limits<int> kScreenPlace{std::numeric_limits<std::int16_t>::min(),
                                          std::numeric_limits<std::int16_t>::max()};

// In the order of the save.
inline constexpr Setting kPickedStationRow{"LIndex", &Settings::PickedStationRow, 0};
// The options dialog keeps the interval within these limits; a hand-edited store may not.
inline constexpr Setting kUpdateMinutes{
    "TValue", &Settings::UpdateMinutes, 60, {1, 1440, Outside::Clamp}};
// The proxy port starts as the standard one, so ticking "Use Proxy" alone changes nothing; the
// FTP settings dialog's spin limits it at start-up, the load keeps it as stored.
inline constexpr Setting kProxyPort{
    "FTPPortNum", &Settings::ProxyPort, nettexts::FtpPort, {0, 32766, Outside::Keep}};
inline constexpr Setting kShownTemperature{
    "OTemp", &GaugeValues::TemperatureF, rest::kTemperatureF, {kColdestShown, kHottestShown}};
inline constexpr Setting kShownHumidity{
    "OHumd", &GaugeValues::HumidityPercent, rest::kHumidityPercent, {0, 100}};
inline constexpr Setting kStoredPressSet{"OHumidLoc", &Variables::StoredPressSet, rest::kPressSet};
inline constexpr Setting kShownHeatIndex{
    "OHeatIndex", &GaugeValues::HeatIndexF, rest::kHeatIndexF, {kColdestShown, kHottestShown}};
inline constexpr Setting kShownWindChill{
    "OChill", &GaugeValues::WindChillF, rest::kWindChillF, {kColdestShown, kHottestShown}};
inline constexpr Setting kShownPressure{
    "OPresInfo", &GaugeValues::PressureInHg, rest::kPressureInHg,
    TextForm<double>{ReadPressure, PressureText, WithDecimalPoint}};
inline constexpr Setting kShownWindDirection{"OWDInfo", &GaugeValues::WindDirection,
                                             rest::kWindDirection,
                                             TextForm<WindDirection>{ReadDirection, DirectionText}};
inline constexpr Setting kShownWindSpeed{"OWSInfo", &GaugeValues::WindSpeedKnots,
                                         rest::kWindSpeedKnots,
                                         TextForm<std::int32_t>{ReadSpeed, SpeedText}};
inline constexpr Setting kStationFile{"OCityStr", &Settings::StationFile, "KJLN.TXT"};
inline constexpr Setting kDisplayMode{"DisplayMode", &Observation::DisplayMode, rest::kDisplayMode};
inline constexpr Setting kWindowLeft{"FLeft", &Settings::WindowLeft, 213, kScreenPlace,
                                     ReadBy::WindowCreation};
inline constexpr Setting kUseProxy{"UseProxy", &Settings::UseProxy, false};
inline constexpr Setting kWindowTop{"FTop", &Settings::WindowTop, 102, kScreenPlace,
                                    ReadBy::WindowCreation};
inline constexpr Setting kLogReports{"LogIt", &Settings::LogReports, false};
inline constexpr Setting kFetchAtStart{"RunOnStart", &Settings::FetchAtStart, false};
inline constexpr Setting kHost{"Host",
                               &Settings::Host,
                               "tgftp.nws.noaa.gov",
                               {.Loaded = WithoutPortMarker, .Saved = WithoutPortMarker}};
inline constexpr Setting kReportDirectory{"Direct1",
                                          &Settings::ReportDirectory,
                                          "data/observations/metar/decoded",
                                          {.Usable = IsNotFormerDirectory}};
// Which shown values are rest positions because the last report did not state them.
inline constexpr Setting kNotReported{"ONotReported", &Observation::NotReported, Unreported{}};
inline constexpr Setting kKeepHistory{"KeepHistory", &Settings::KeepHistory, true};
inline constexpr Setting kStormAlerts{"StormAlerts", &Settings::StormAlerts, true};
// The gauge's menu offers them again; a damaged part is dropped on load.
inline constexpr Setting kRecentStations{
    "RecentStations", &Settings::RecentStations, "", {.Loaded = TidyRecentStations}};
// Where the history window was left; a damaged text loads as unset.
inline constexpr Setting kHistoryPlace{
    "HistoryGeometry", &Settings::HistoryPlace, "", {.Usable = IsWindowPlace}};

/// The rows above in the order of the save; a new setting is one row and its place here.
inline constexpr auto kTable =
    std::tie(kPickedStationRow, kUpdateMinutes, kProxyPort, kShownTemperature, kShownHumidity,
             kStoredPressSet, kShownHeatIndex, kShownWindChill, kShownPressure, kShownWindDirection,
             kShownWindSpeed, kStationFile, kDisplayMode, kWindowLeft, kUseProxy, kWindowTop,
             kLogReports, kFetchAtStart, kHost, kReportDirectory, kNotReported, kKeepHistory,
             kStormAlerts, kRecentStations, kHistoryPlace);

/// Calls `f` with each row of the table, in its order.
template <typename F> void ForEachSetting(F&& f) {
    std::apply([&](const auto&... row) { (f(row), ...); }, kTable);
}

/// The variable that holds `row` among `variables`.
template <typename Home, typename T, typename Rule>
T& ValueOf(Variables& variables, const Setting<Home, T, Rule>& row) {
    if constexpr (std::is_same_v<Home, Settings>)
        return variables.settings.*row.Of;
    else if constexpr (std::is_same_v<Home, GaugeValues>)
        return variables.observation.Shown.*row.Of;
    else if constexpr (std::is_same_v<Home, Observation>)
        return variables.observation.*row.Of;
    else
        return variables.*row.Of;
}

} // namespace stormbell::settingstable
