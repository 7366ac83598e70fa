#include "gauges/ScaleMarks.h"

#include "RecordingCanvas.h"
#include "gauges/Gauges.h"
#include "platform/TextConvert.h"
#include "tests/support/SampleObservation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace stormbell {
namespace {

std::vector<std::string> Texts(const DialScale& d) {
    std::vector<std::string> texts;
    for (const ScaleLabel& l : d.Labels)
        texts.push_back(l.Text);
    return texts;
}

const ScaleLabel& Label(const DialScale& d, const std::string& text) {
    for (const ScaleLabel& l : d.Labels)
        if (l.Text == text)
            return l;
    throw std::invalid_argument("no label " + text);
}

TEST(ScaleMarksTest, PrintedTextsOfBothSkins) {
    const auto english = PrintedScales(false);
    const auto metric = PrintedScales(true);
    using V = std::vector<std::string>;
    EXPECT_EQ(Texts(english[0]), (V{"-30", "-10", "10", "30", "50", "70", "90", "110", "130"}));
    EXPECT_EQ(Texts(metric[0]), (V{"-30", "-20", "-10", "0", "10", "20", "30", "40", "50"}));
    EXPECT_EQ(Texts(english[1]),
              (V{"28.50", "29.00", "29.50", "30.00", "30.50", "31.00", "31.50"}));
    EXPECT_EQ(Texts(metric[1]), (V{"96.50", "98.19", "99.89", "101.6", "103.3", "104.9", "106.7"}));
    EXPECT_EQ(Texts(english[2]),
              (V{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    EXPECT_EQ(Texts(english[3]), (V{"N", "NE", "E", "SE", "S", "SW", "W", "NW"}));
    EXPECT_EQ(Texts(english[4]), (V{"0", "6", "12", "18", "24", "30", "36", "42"}));
    EXPECT_EQ(english[0].Unit, "°F");
    EXPECT_EQ(metric[0].Unit, "°C");
    EXPECT_EQ(english[1].Unit, "inHg");
    EXPECT_EQ(metric[1].Unit, "kPa");
}

// Where a mark stands, given as the tip of the needle pointing at it.
TEST(ScaleMarksTest, MarksSitWhereTheNeedlesPointForTheirValues) {
    struct Case {
        bool metric;
        int dial;
        const char* text;
        Point tip;
    } cases[] = {
        {false, 0, "50", {84, 33}},     {false, 0, "-30", {48, 105}},
        {true, 0, "10", {84, 33}},      {true, 0, "-30", {43, 96}}, // t °C at 1.8t + 32 °F
        {true, 0, "0", {63, 38}},       {true, 0, "50", {125, 96}},
        {false, 1, "30.00", {236, 33}}, {false, 1, "29.00", {191, 78}},
        {false, 1, "31.00", {281, 78}}, {true, 1, "101.6", {236, 33}},
        {true, 1, "98.19", {191, 78}},  {true, 1, "104.9", {281, 78}},
        {false, 2, "0", {351, 106}},    {false, 2, "50", {386, 33}},
        {false, 2, "100", {421, 106}},  {false, 3, "N", {178, 175}},
        {false, 3, "E", {198, 195}},    {false, 3, "S", {178, 215}},
        {false, 3, "W", {158, 195}},    {false, 4, "0", {294, 215}},
        {false, 4, "12", {274, 195}},   {false, 4, "24", {294, 175}},
    };
    for (const Case& c : cases) {
        const DialScale d = PrintedScales(c.metric)[c.dial];
        const ScaleLabel& label = Label(d, c.text);
        EXPECT_EQ(d.Gauge.Tip(d.Gauge.Angle(label.Value)), c.tip) << c.text;
    }
}

TEST(ScaleMarksTest, AltimeterCarriesAShortTickAtItsLowestPoint) {
    for (bool metric : {false, true}) {
        const DialScale d = PrintedScales(metric)[1];
        bool found = false;
        for (double v : d.MinorTicks)
            found = found || d.Gauge.Tip(d.Gauge.Angle(v)) == Point{236, 123};
        EXPECT_TRUE(found) << metric;
    }
}

// Every printed mark and the needle the procedures draw for its value agree, in both skins.
TEST(ScaleMarksTest, NeedleProceduresPointAtEveryMark) {
    for (bool metric : {false, true}) {
        const auto scales = PrintedScales(metric);
        for (std::size_t dial = 0; dial < scales.size(); ++dial) {
            for (const ScaleLabel& label : scales[dial].Labels) {
                Observation obs = testing::SampleObservation();
                RecordingSkin i1{"englishSkin"}, i2{"englishClean"}, i3{"metricSkin"},
                    i4{"metricClean"};
                Gauges gauges(obs, Skins{i1, i2, i3, i4}, {});
                const long long whole = std::llround(label.Value);
                switch (dial) {
                case 0:
                    obs.Shown.TemperatureF = static_cast<std::int16_t>(whole);
                    gauges.UpdateTemperature();
                    break;
                case 1:
                    obs.Shown.PressureInHg = label.Value;
                    gauges.UpdatePressure();
                    break;
                case 2:
                    obs.Shown.HumidityPercent = static_cast<std::int32_t>(whole);
                    gauges.UpdateHumidity();
                    break;
                case 3:
                    obs.Shown.WindDirection = {static_cast<std::int32_t>(whole), false};
                    gauges.UpdateWindDirection();
                    break;
                default:
                    obs.Shown.WindSpeedKnots = static_cast<std::int32_t>(whole);
                    gauges.UpdateWindSpeed();
                    break;
                }
                const GaugeGeometry& g = scales[dial].Gauge;
                const Point tip = g.Tip(g.Angle(label.Value));
                const std::string expected = std::to_string(tip.X) + "," + std::to_string(tip.Y);
                ASSERT_FALSE(i1.Recorder.Ops.empty());
                const std::string& first = i1.Recorder.Ops.front();
                EXPECT_NE(first.find("-" + expected + " "), std::string::npos)
                    << label.Text << " " << first;
            }
        }
    }
}

} // namespace
} // namespace stormbell
