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

template <typename T> std::optional<T> Converted(const std::string& text, const TextForm<T>& form) {
    return form.Read(form.Loaded ? form.Loaded(text) : text);
}

template <typename T> constexpr bool kIsTextForm = false;
template <typename T> constexpr bool kIsTextForm<TextForm<T>> = true;

template <typename Home, typename T, typename Rule>
std::string Written(const Setting<Home, T, Rule>& row, const T& value) {
    if constexpr (std::is_same_v<T, std::string>)
        return row.Rule.Saved ? row.Rule.Saved(value) : value;
    else if constexpr (kIsTextForm<Rule>)
        return row.Rule.Written(value);
    else
        return TextOf(value);
}

template <typename Home, typename T, typename Rule>
std::string StoredText(SettingsStore& store, const Setting<Home, T, Rule>& row) {
    return store.ReadSetting(row.Name, Written(row, T(row.Default)));
}

template <typename Home, typename T, typename Rule>
T Read(SettingsStore& store, const Setting<Home, T, Rule>& row) {
    T fallback(row.Default);
    auto value = Converted(StoredText(store, row), row.Rule);
    return value ? std::move(*value) : std::move(fallback);
}

// The text a shown value was loaded from: the stored one, or the default's when that is not
// usable.
template <typename T, typename Rule>
std::string LoadedText(SettingsStore& store, const Setting<GaugeValues, T, Rule>& row) {
    std::string text = StoredText(store, row);
    if (row.Rule.Loaded)
        text = row.Rule.Loaded(std::move(text));
    return row.Rule.Read(text) ? text : Written(row, T(row.Default));
}

// The stored text of a value the run did not change stays as it was ("00" and "0" are both
// calm), so a store loads and saves to the same bytes.
template <typename Home, typename T, typename Rule>
std::string Saved(SettingsStore& store, const Setting<Home, T, Rule>& row, const T& value) {
    if constexpr (kIsTextForm<Rule>) {
        std::string loaded = LoadedText(store, row);
        if (row.Rule.Read(loaded) == value)
            return loaded;
    }
    return Written(row, value);
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

    // A store that never held a reading, with the rest pressure in the text the design stores
    // it in, starts the metric skin at its own scales' low ends; the targets keep the stored
    // values.
    const bool restPressure =
        o.NotReported.Pressure ||
        LoadedText(store, kShownPressure) == Written(kShownPressure, kShownPressure.Default);
    if (o.DisplayMode == DisplayMode::Metric && restPressure)
        o.Shown.PressureInHg = kMetricStartPressure;
    if (o.DisplayMode == DisplayMode::Metric && o.Shown.TemperatureF == kShownTemperature.Default)
        o.Shown.TemperatureF = kMetricStartTemp;

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
        store.WriteSetting(row.Name, Saved(store, row, ValueOf(variables, row)));
    });
    store.Commit();
}

} // namespace stormbell
