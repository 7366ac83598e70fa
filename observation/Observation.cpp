#include "observation/Observation.h"

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
