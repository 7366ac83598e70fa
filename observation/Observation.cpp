#include "observation/Observation.h"

#include "settings/SettingsTable.h"

namespace stormbell {

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
    o.DisplayMode = kDisplayMode.Default;
    o.SetTargetsToShown();
    return o;
}

} // namespace stormbell
