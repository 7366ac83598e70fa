#include "RenderOptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace stormbell {
namespace {

using Args = std::vector<std::string>;

TEST(RenderOptionsTest, ReadsEveryOptionAndDefaultsTheFeltTemperaturesToTheShownOne) {
    const RenderOptions o = ParseRenderOptions(
        {"--out",        "f.png",      "--metric", "--scale",     "2",     "--temp",
         "-12",          "--humidity", "80",       "--pressure",  "29.62", "--direction",
         "VRB",          "--speed",    "7",        "--press-set", "65535", "--station-line",
         "KBFI 3 h old", "--dimmed",   "--gust",   "22"});
    EXPECT_EQ(o.Out, "f.png");
    EXPECT_TRUE(o.Metric);
    EXPECT_EQ(o.Scale, 2);
    EXPECT_EQ(o.Temp, -12);
    EXPECT_EQ(o.TargetTemp, -12);
    EXPECT_EQ(o.Chill, -12);
    EXPECT_EQ(o.HeatIndex, -12);
    EXPECT_EQ(o.Humidity, 80);
    EXPECT_EQ(o.Pressure, 29.62);
    EXPECT_EQ(o.Direction, kVariableWind);
    EXPECT_EQ(o.Speed, 7);
    EXPECT_EQ(o.PressSet, 65535);
    EXPECT_EQ(o.StationLine, "KBFI 3 h old");
    EXPECT_TRUE(o.Dimmed);
    EXPECT_EQ(o.GustKnots, 22);

    const RenderOptions felt = ParseRenderOptions(
        {"--out", "f.png", "--temp", "88", "--target-temp", "40", "--chill", "31.5"});
    EXPECT_EQ(felt.TargetTemp, 40);
    EXPECT_EQ(felt.Chill, 31.5);
    EXPECT_EQ(felt.HeatIndex, 88);
}

TEST(RenderOptionsTest, RefusesBadCommandLines) {
    const Args cases[] = {
        {},
        {"--metric"},
        {"--out"},
        {"--out", "f.png", "--bogus", "1"},
        {"--out", "f.png", "--temp", "32768"},
        {"--out", "f.png", "--temp", "7.5"},
        {"--out", "f.png", "--press-set", "-1"},
        {"--out", "f.png", "--press-set", "65536"},
        {"--out", "f.png", "--scale", "0"},
        {"--out", "f.png", "--chill", "cold"},
        {"--out", "f.png", "--gust", "-1"},
    };
    for (const Args& args : cases)
        EXPECT_THROW(ParseRenderOptions(args), std::invalid_argument) << args.size();
}

} // namespace
} // namespace stormbell
