#include "observation/Observation.h"

#include "settings/SettingsTable.h"

namespace stormbell {

DisplayMode DisplayModeFromText(std::string_view text) {
    return text == "1" ? DisplayMode::Metric : DisplayMode::English;
}

std::string DisplayModeText(DisplayMode mode) {
    return mode == DisplayMode::Metric ? "1" : "0";
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
    using namespace settingstable;
    Observation o;
    o.OTemp = kOTemp.Default;
    o.OHumd = kOHumd.Default;
    o.OHeatIndex = kOHeatIndex.Default;
    o.OChill = kOChill.Default;
    o.OPresInfo = kOPresInfo.Default;
    o.OWDInfo = kOWDInfo.Default;
    o.OWSInfo = kOWSInfo.Default;
    o.DisplayMode = DisplayModeFromText(kDisplayMode.Default);
    o.SetTargetsToShown();
    return o;
}

} // namespace stormbell
