#include "settings/SettingsPersistence.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <concepts>
#include <optional>
#include <utility>

#include "platform/TextConvert.h"
#include "settings/SettingsTable.h"

namespace stormbell {

namespace {

using namespace settingstable;

constexpr std::string_view kMetricStartPressure = "100.0";
constexpr std::int16_t kMetricStartTemp = 0;

constexpr std::array<std::string_view, 4> kTrueTexts = {"true", "1", "yes", "on"};
constexpr std::array<std::string_view, 4> kFalseTexts = {"false", "0", "no", "off"};

std::string TextOf(bool value) {
    return value ? "true" : "false";
}

std::string TextOf(double value) {
    return FloatToStrGeneral(value);
}

std::string TextOf(DisplayMode mode) {
    return std::string(DisplayModeText(mode));
}

std::string TextOf(const Unreported& missing) {
    return UnreportedText(missing);
}

template <std::integral T> std::string TextOf(T value) {
    return IntToStr(value);
}

template <typename T> std::optional<T> Limited(T value, const Limits<T>& limits) {
    if ((value >= limits.Lowest && value <= limits.Highest) || limits.OnLoad == Outside::Keep)
        return value;
    if (limits.OnLoad == Outside::Clamp)
        return limits.Clamped(value);
    return std::nullopt;
}

template <std::integral T>
std::optional<T> Converted(const std::string& text, const Limits<T>& limits) {
    const auto value = TryStrToInt(text);
    // A number the variable cannot hold would wrap to an arbitrary one.
    if (!value || !std::in_range<T>(*value))
        return std::nullopt;
    return Limited(static_cast<T>(*value), limits);
}

std::optional<double> Converted(const std::string& text, const Limits<double>& limits) {
    const auto value = TryStrToFloat(WithDecimalPoint(text));
    const auto limited = value ? Limited(*value, limits) : std::nullopt;
    // The sweep steps these by whole degrees, so a fraction could never arrive at its target.
    return limited ? std::optional(RoundHalfEven(*limited)) : std::nullopt;
}

std::optional<bool> Converted(std::string text, NoRule) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::ranges::find(kTrueTexts, text) != kTrueTexts.end())
        return true;
    if (std::ranges::find(kFalseTexts, text) != kFalseTexts.end())
        return false;
    return std::nullopt;
}

std::optional<DisplayMode> Converted(const std::string& text, ModeRule) {
    return DisplayModeFromText(text);
}

std::optional<Unreported> Converted(const std::string& text, UnreportedRule) {
    return UnreportedFromText(text);
}

std::optional<std::string> Converted(std::string text, const TextRule& rule) {
    if (rule.Loaded)
        text = rule.Loaded(std::move(text));
    if (rule.Usable && !rule.Usable(text))
        return std::nullopt;
    return text;
}

template <typename Home, typename T>
std::string Written(const Setting<Home, T>& row, const T& value) {
    if constexpr (std::is_same_v<T, std::string>)
        return row.Rule.Saved ? row.Rule.Saved(value) : value;
    else
        return TextOf(value);
}

template <typename Home, typename T> T Read(SettingsStore& store, const Setting<Home, T>& row) {
    T fallback(row.Default);
    auto value = Converted(store.ReadSetting(row.Name, Written(row, fallback)), row.Rule);
    return value ? std::move(*value) : std::move(fallback);
}

void Load(SettingsStore& store, Variables& variables, ReadBy reader) {
    ForEachSetting([&](const auto& row) {
        if (row.Reader == reader)
            ValueOf(variables, row) = Read(store, row);
    });
}

} // namespace

void LoadAtWindowCreation(SettingsStore& store, Settings& settings) {
    Variables variables{settings, Observation{}, 0};
    Load(store, variables, ReadBy::WindowCreation);
    settings = std::move(variables.settings);
}

void LoadSettings(SettingsStore& store, Settings& settings, Observation& observation,
                  std::uint16_t& storedPressSet, DisplayMode firstStartMode) {
    Variables variables{settings, observation, storedPressSet};
    Load(store, variables, ReadBy::FirstActivation);
    Observation& o = variables.observation;
    // Only until the first save: from then on the stored mode rules.
    if (store.FirstStart())
        o.DisplayMode = firstStartMode;

    // A hand-edited store may hold a value where the report stated none.
    RestUnreported(o);
    o.SetTargetsToShown();

    // A store that never held a reading starts the metric skin at its own scales' low ends;
    // the targets keep the stored values.
    if (o.DisplayMode == DisplayMode::Metric && o.OPresInfo == kOPresInfo.Default)
        o.OPresInfo = kMetricStartPressure;
    if (o.DisplayMode == DisplayMode::Metric && o.OTemp == kOTemp.Default)
        o.OTemp = kMetricStartTemp;

    settings = std::move(variables.settings);
    observation = std::move(variables.observation);
    storedPressSet = variables.StoredPressSet;
}

void SaveSettings(SettingsStore& store, const Settings& settings, const Observation& observation,
                  std::uint16_t storedPressSet, int left, int top) {
    Variables variables{settings, observation, storedPressSet};
    // The window's place now, not the one it was loaded at.
    variables.settings.WindowLeft = left;
    variables.settings.WindowTop = top;
    // Nothing the report did not state is saved as a reading.
    RestUnreported(variables.observation);
    ForEachSetting([&](const auto& row) {
        store.WriteSetting(row.Name, Written(row, ValueOf(variables, row)));
    });
    store.Commit();
}

} // namespace stormbell
