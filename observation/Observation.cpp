#include "observation/Observation.h"

#include <array>
#include <utility>

namespace stormbell {

DisplayMode DisplayModeFromText(std::string_view text) {
    return text == "1" ? DisplayMode::Metric : DisplayMode::English;
}

void Observation::SetTargetsToShown() {
    NewTemp = OTemp;
    NewHumd = OHumd;
    NewPresInfo = OPresInfo;
    NewChill = OChill;
    NewHeatIndex = OHeatIndex;
    NewWDInfo = OWDInfo;
    NewWSInfo = OWSInfo;
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
    if (missing.Temperature)
        o.OTemp = rest::kTemp;
    if (missing.Humidity())
        o.OHumd = rest::kHumd;
    if (missing.HeatIndex())
        o.OHeatIndex = rest::kHeatIndex;
    if (missing.WindChill())
        o.OChill = rest::kChill;
    if (missing.Pressure)
        o.OPresInfo = rest::kPresInfo;
    if (missing.Wind) {
        o.OWDInfo = rest::kWDInfo;
        o.OWSInfo = rest::kWSInfo;
    }
}

Observation FreshStoreObservation() {
    Observation o;
    o.OTemp = rest::kTemp;
    o.OHumd = rest::kHumd;
    o.OHeatIndex = rest::kHeatIndex;
    o.OChill = rest::kChill;
    o.OPresInfo = rest::kPresInfo;
    o.OWDInfo = rest::kWDInfo;
    o.OWSInfo = rest::kWSInfo;
    o.DisplayMode = rest::kDisplayMode;
    o.SetTargetsToShown();
    return o;
}

} // namespace stormbell
