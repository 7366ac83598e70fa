#include "observation/Observation.h"

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
    Observation o;
    o.OTemp = -30;
    o.OHumd = 0;
    o.OHeatIndex = -30;
    o.OChill = -30;
    o.OPresInfo = "28.00";
    o.OWDInfo = "000";
    o.OWSInfo = "00";
    o.DisplayMode = "0";
    o.SetTargetsToShown();
    return o;
}

} // namespace stormbell
