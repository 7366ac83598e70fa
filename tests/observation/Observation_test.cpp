#include "observation/Observation.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(ObservationTest, StartUpTargetsEqualShownValues) {
    Observation o;
    o.Shown = {-30, 41, 72.5, -30, 28.00, kVariableWind, 0};
    o.SetTargetsToShown();
    EXPECT_EQ(o.Target.TemperatureF, -30);
    EXPECT_EQ(o.Target.HumidityPercent, 41);
    EXPECT_EQ(o.Target.HeatIndexF, 72.5);
    EXPECT_EQ(o.Target.WindChillF, -30);
    EXPECT_EQ(o.Target.PressureInHg, 28.00);
    EXPECT_EQ(o.Target.WindDirection, kVariableWind);
    EXPECT_EQ(o.Target.WindSpeedKnots, 0);
    EXPECT_EQ(o.Cut.TemperatureC, "");
    EXPECT_EQ(o.Cut.DewPointC, "");
}

} // namespace
} // namespace stormbell
