#include "observation/Observation.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(ObservationTest, StartUpTargetsEqualShownValues) {
    Observation o;
    o.OTemp = -30;
    o.OHumd = 41;
    o.OHeatIndex = 72.5;
    o.OChill = -30;
    o.OPresInfo = "28.00";
    o.OWDInfo = "VRB";
    o.OWSInfo = "00";
    o.SetTargetsToShown();
    EXPECT_EQ(o.NewTemp, -30);
    EXPECT_EQ(o.NewHumd, 41);
    EXPECT_EQ(o.NewHeatIndex, 72.5);
    EXPECT_EQ(o.NewChill, -30);
    EXPECT_EQ(o.NewPresInfo, "28.00");
    EXPECT_EQ(o.NewWDInfo, "VRB");
    EXPECT_EQ(o.NewWSInfo, "00");
    EXPECT_EQ(o.TempCText, "");
    EXPECT_EQ(o.DewCText, "");
}

} // namespace
} // namespace stormbell
