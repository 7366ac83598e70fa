#include "observation/Observation.h"

#include <array>
#include <utility>

namespace stormbell {

DisplayMode DisplayModeFromText(std::string_view text) {
    return text == "1" ? DisplayMode::Metric : DisplayMode::English;
}

namespace {

constexpr std::array<std::pair<const char*, bool Unreported::*>, 5> kUnreportedNames = {{
    {"Temperature", &Unreported::Temperature},
    {"DewPoint", &Unreported::DewPoint},
    {"Pressure", &Unreported::Pressure},
    {"Wind", &Unreported::Wind},
    {"HumidityStated", &Unreported::HumidityStated},
}};

} // namespace

std::string UnreportedText(const Unreported& missing) {
    std::string text;
    for (const auto& [name, flag] : kUnreportedNames) {
        if (!(missing.*flag))
            continue;
        if (!text.empty())
            text += ',';
        text += name;
    }
    return text;
}

Unreported UnreportedFromText(std::string_view text) {
    Unreported missing;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        for (const auto& [known, flag] : kUnreportedNames)
            if (name == known)
                missing.*flag = true;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return missing;
}

void RestUnreported(Observation& o) {
    const Unreported& missing = o.NotReported;
    GaugeValues& shown = o.Shown;
    if (missing.Temperature)
        shown.TemperatureF = rest::kTemperatureF;
    if (missing.Humidity())
        shown.HumidityPercent = rest::kHumidityPercent;
    if (missing.HeatIndex())
        shown.HeatIndexF = rest::kHeatIndexF;
    if (missing.WindChill())
        shown.WindChillF = rest::kWindChillF;
    if (missing.Pressure)
        shown.PressureInHg = rest::kPressureInHg;
    if (missing.Wind) {
        shown.WindDirection = rest::kWindDirection;
        shown.WindSpeedKnots = rest::kWindSpeedKnots;
    }
}

Observation FreshStoreObservation() {
    Observation o;
    o.Shown = {rest::kTemperatureF, rest::kHumidityPercent, rest::kHeatIndexF,    rest::kWindChillF,
               rest::kPressureInHg, rest::kWindDirection,   rest::kWindSpeedKnots};
    o.DisplayMode = rest::kDisplayMode;
    o.SetTargetsToShown();
    return o;
}

} // namespace stormbell
