#include "settings/SettingsPersistence.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "net/NetTexts.h"
#include "platform/TextConvert.h"
#include "settings/SettingsTable.h"

namespace stormbell {

namespace {

using namespace settingstable;

constexpr std::string_view kMetricStartPressure = "100.0";
constexpr std::int16_t kMetricStartTemp = 0;
constexpr std::int32_t kHighestDirection = 999;

// What the dials can show: a stored shown value outside these would stall the next sweep for
// minutes or, for the pressure, leave the sweep unable to count its steps.
constexpr std::int32_t kColdestShown = -150; // °F: below the coldest air ever measured
constexpr std::int32_t kHottestShown = 250;  // °F: above the heat index of the hottest wet air
constexpr std::int32_t kMostHumidity = 100;
constexpr double kHighestPressure = 9999.99; // the two-decimal text form holds four digits
constexpr std::int32_t kFastestWind = 999;   // knots, as the three-digit text form holds

constexpr std::array<std::string_view, 4> kTrueTexts = {"true", "1", "yes", "on"};
constexpr std::array<std::string_view, 4> kFalseTexts = {"false", "0", "no", "off"};

std::string BoolText(bool value) {
    return value ? "true" : "false";
}

// A store written under a comma locale, by another program or by hand holds "72,5".
std::string WithDecimalPoint(std::string text) {
    if (std::ranges::count(text, ',') == 1 && text.find('.') == std::string::npos)
        text[text.find(',')] = '.';
    return text;
}

template <typename T> T ReadWhole(SettingsStore& store, const Setting<T>& setting) {
    const auto value = TryStrToInt(store.ReadSetting(setting.Name, IntToStr(setting.Default)));
    // A number the variable cannot hold would wrap to an arbitrary one.
    if (!value || !std::in_range<T>(*value))
        return setting.Default;
    return static_cast<T>(*value);
}

template <typename T>
T ReadShownWhole(SettingsStore& store, const Setting<T>& setting, std::int32_t lowest,
                 std::int32_t highest) {
    const T value = ReadWhole(store, setting);
    return value >= lowest && value <= highest ? value : setting.Default;
}

std::int16_t Read(SettingsStore& store, const Setting<std::int16_t>& setting) {
    return ReadWhole(store, setting);
}

std::int32_t Read(SettingsStore& store, const Setting<std::int32_t>& setting) {
    return ReadWhole(store, setting);
}

std::uint16_t Read(SettingsStore& store, const Setting<std::uint16_t>& setting) {
    return ReadWhole(store, setting);
}

double Read(SettingsStore& store, const Setting<double>& setting) {
    const auto value = TryStrToFloat(
        WithDecimalPoint(store.ReadSetting(setting.Name, FloatToStrGeneral(setting.Default))));
    if (!value || *value < kColdestShown || *value > kHottestShown)
        return setting.Default;
    // The sweep steps these by whole degrees, so a fraction could never arrive at its target.
    return RoundHalfEven(*value);
}

bool Read(SettingsStore& store, const Setting<bool>& setting) {
    std::string text = store.ReadSetting(setting.Name, BoolText(setting.Default));
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::ranges::find(kTrueTexts, text) != kTrueTexts.end())
        return true;
    if (std::ranges::find(kFalseTexts, text) != kFalseTexts.end())
        return false;
    return setting.Default;
}

std::string Read(SettingsStore& store, const Setting<std::string_view>& setting) {
    return store.ReadSetting(setting.Name, std::string(setting.Default));
}

// A shown text the gauges cannot draw would make every redraw fail, so it loads as its default.
template <typename Usable>
std::string ReadShown(SettingsStore& store, const Setting<std::string_view>& setting,
                      Usable usable) {
    std::string text = Read(store, setting);
    return usable(text) ? text : std::string(setting.Default);
}

std::string ReadPressure(SettingsStore& store) {
    std::string text = WithDecimalPoint(Read(store, kOPresInfo));
    const auto value = TryStrToFloat(text);
    return value && *value >= 0 && *value <= kHighestPressure ? text
                                                              : std::string(kOPresInfo.Default);
}

bool IsDirection(const std::string& text) {
    const auto degrees = TryStrToInt(text);
    return text == VariableWind || (degrees && *degrees >= 0 && *degrees <= kHighestDirection);
}

bool IsSpeed(const std::string& text) {
    const auto knots = TryStrToInt(text);
    return knots && *knots >= 0 && *knots <= kFastestWind;
}

std::string WithoutPortMarker(const std::string& host) {
    const std::string_view marker = nettexts::PortMarker;
    return host.starts_with(marker) ? host.substr(marker.size()) : host;
}

} // namespace

void LoadWindowPosition(SettingsStore& store, Settings& settings) {
    settings.FLeft = Read(store, kFLeft);
    settings.FTop = Read(store, kFTop);
}

void LoadSettings(SettingsStore& store, Settings& settings, Observation& observation,
                  std::uint16_t& ohumidLoc) {
    Observation& o = observation;
    settings.LIndex = Read(store, kLIndex);
    // The options dialog keeps the interval within these limits; a hand-edited store may not.
    settings.TValue = std::clamp(Read(store, kTValue), kFewestMinutes, kMostMinutes);
    o.OTemp = ReadShownWhole(store, kOTemp, kColdestShown, kHottestShown);
    o.OHumd = ReadShownWhole(store, kOHumd, 0, kMostHumidity);
    ohumidLoc = Read(store, kOHumidLoc);
    settings.FTPPortNum = Read(store, kFTPPortNum);
    o.OHeatIndex = Read(store, kOHeatIndex);
    o.OChill = Read(store, kOChill);
    o.DisplayMode = DisplayModeFromText(Read(store, kDisplayMode));
    o.OPresInfo = ReadPressure(store);
    o.OWDInfo = ReadShown(store, kOWDInfo, IsDirection);
    o.OWSInfo = ReadShown(store, kOWSInfo, IsSpeed);
    settings.OCityStr = Read(store, kOCityStr);
    settings.LogIt = Read(store, kLogIt);
    settings.RunOnStart = Read(store, kRunOnStart);
    settings.UseProxy = Read(store, kUseProxy);
    settings.Host = WithoutPortMarker(Read(store, kHost));
    settings.Direct1 = Read(store, kDirect1);
    if (settings.Direct1 == kFormerDirect1)
        settings.Direct1 = kDirect1.Default;

    o.SetTargetsToShown();

    // A store that never held a reading starts the metric skin at its own scales' low ends;
    // the targets keep the stored values.
    if (o.DisplayMode == DisplayMode::Metric && o.OPresInfo == kOPresInfo.Default)
        o.OPresInfo = kMetricStartPressure;
    if (o.DisplayMode == DisplayMode::Metric && o.OTemp == kOTemp.Default)
        o.OTemp = kMetricStartTemp;
}

void SaveSettings(SettingsStore& store, const Settings& settings, const Observation& observation,
                  std::uint16_t ohumidLoc, int left, int top) {
    const Observation& o = observation;
    store.WriteSetting(kLIndex.Name, IntToStr(settings.LIndex));
    store.WriteSetting(kTValue.Name, IntToStr(settings.TValue));
    store.WriteSetting(kFTPPortNum.Name, IntToStr(settings.FTPPortNum));
    store.WriteSetting(kOTemp.Name, IntToStr(o.OTemp));
    store.WriteSetting(kOHumd.Name, IntToStr(o.OHumd));
    store.WriteSetting(kOHumidLoc.Name, IntToStr(ohumidLoc));
    store.WriteSetting(kOHeatIndex.Name, FloatToStrGeneral(o.OHeatIndex));
    store.WriteSetting(kOChill.Name, FloatToStrGeneral(o.OChill));
    store.WriteSetting(kOPresInfo.Name, o.OPresInfo);
    store.WriteSetting(kOWDInfo.Name, o.OWDInfo);
    store.WriteSetting(kOWSInfo.Name, o.OWSInfo);
    store.WriteSetting(kOCityStr.Name, settings.OCityStr);
    store.WriteSetting(kDisplayMode.Name, std::string(DisplayModeText(o.DisplayMode)));
    store.WriteSetting(kFLeft.Name, IntToStr(left));
    store.WriteSetting(kUseProxy.Name, BoolText(settings.UseProxy));
    store.WriteSetting(kFTop.Name, IntToStr(top));
    store.WriteSetting(kLogIt.Name, BoolText(settings.LogIt));
    store.WriteSetting(kRunOnStart.Name, BoolText(settings.RunOnStart));
    store.WriteSetting(kHost.Name, WithoutPortMarker(settings.Host));
    store.WriteSetting(kDirect1.Name, settings.Direct1);
    store.Commit();
}

} // namespace stormbell
