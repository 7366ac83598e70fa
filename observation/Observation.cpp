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

} // namespace stormbell
