#include "observation/DerivedValues.h"

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/TextConvert.h"

namespace stormbell {
namespace {

TEST(DerivedValuesTest, FahrenheitFromRoundedCelsius) {
    struct Case {
        double celsius;
        std::optional<int> fahrenheit;
    } cases[] = {
        {16.5, 60},
        {17.5, 64},
        {17, 62},
        {-1, 30},
        {-21, -5},
        {13, 55},
        {32.2, 89},
        {-4.4, 24},
        {-0.5, 32},
        {0, 32},
        {18186, 32766},
        {-18222, -32767},
        // Beyond the 16-bit temperature: treated as no number at all.
        {18187, std::nullopt},
        {-18223, std::nullopt},
        {40000, std::nullopt},
        {1e300, std::nullopt},
        {-1e300, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = WholeFahrenheit(c.celsius);
        ASSERT_EQ(got.has_value(), c.fahrenheit.has_value()) << c.celsius;
        if (got) {
            EXPECT_EQ(*got, *c.fahrenheit) << c.celsius;
        }
    }
}

TEST(DerivedValuesTest, HumidityIsTruncatedAndClamped) {
    const std::optional<double> none;
    struct Case {
        std::optional<double> celsius, dewPoint;
        int percent;
    } cases[] = {
        {16.7, 7.2, 53},
        {13, 5, 58},
        {32.2, 21.7, 54},
        {-4.4, -6.7, 83},
        {20, 20, 100},
        {10, 20, 100}, // dew point above the temperature: clamped
        {0, none, 100},
        {none, none, 100}, // first report without either line
        {20, none, 26},
        {none, 20, 100},
        // The formula divides by zero at -237.7 and over- or underflows next to it: such a
        // figure counts as missing.
        {20, -237.7, 26},
        {-237.7, 20, 100},
        {20, -237.69, 26},
        {20, -237.71, 26},
        {-237.69, 20, 100},
        {1e300, 0, 0},
        {-300, -300, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RelativeHumidity(c.celsius, c.dewPoint), c.percent)
            << c.celsius.value_or(NAN) << " " << c.dewPoint.value_or(NAN);
}

TEST(DerivedValuesTest, HeatIndexFromSeventyDegreesUp) {
    struct Case {
        std::int16_t fahrenheit;
        std::int32_t humidity;
        double heatIndex;
    } cases[] = {
        {69, 50, 69}, {70, 50, 75}, {90, 50, 95}, {89, 54, 95}, {-30, 100, -30}, {55, 58, 55},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TargetHeatIndex(c.fahrenheit, c.humidity), c.heatIndex) << c.fahrenheit;
    const double hottest = TargetHeatIndex(32767, 100);
    EXPECT_TRUE(std::isfinite(hottest));
    EXPECT_EQ(hottest, std::trunc(hottest));
}

TEST(DerivedValuesTest, WindChillUpToFiftyDegrees) {
    struct Case {
        std::int16_t fahrenheit;
        double knots;
        double chill;
    } cases[] = {
        {51, 10, 51},
        {50, 0, 50}, // calm air gives the air temperature
        {30, 10, 15},
        {20, 15, -4},
        {24, 8, 12},
        {55, 0, 55},
        {-32768, 1e300, -32768}, // an absurd speed is clamped, not infinite
        {50, 1e300, 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TargetWindChill(c.fahrenheit, c.knots), c.chill)
            << c.fahrenheit << " " << c.knots;
}

Observation WithTexts(const char* celsius, const char* dewPoint, const char* knots) {
    Observation o;
    o.Shown.PressureInHg = 30.00;
    o.Cut.PressureInHg = "30.50";
    o.Target.WindChillF = 7;
    o.Cut.TemperatureC = celsius;
    o.Cut.DewPointC = dewPoint;
    o.Cut.WindSpeedKnots = knots;
    o.Cut.WindDirection = "210";
    return o;
}

TEST(DerivedValuesTest, DerivesEveryTargetAndPlansThePressure) {
    Observation o = WithTexts("13", "5", "00");
    const PressurePlan plan = DeriveTargets(o);
    EXPECT_EQ(o.Target.TemperatureF, 55);
    EXPECT_EQ(o.Target.HumidityPercent, 58);
    EXPECT_EQ(o.Target.HeatIndexF, 55);
    EXPECT_EQ(o.Target.WindChillF, 55);
    EXPECT_EQ(plan.steps, 12);
    EXPECT_NEAR(plan.remainder, 0.02, 1e-9);
}

// An unreadable figure is no figure: its target and those derived from it rest. The report's
// own humidity stands in where the figures give none, but makes no heat index.
TEST(DerivedValuesTest, UnreadableTextsAreNotReported) {
    const struct {
        const char *celsius, *dewPoint, *knots, *direction, *missing;
        std::int16_t temp;
        std::int32_t humidity;
        double heatIndex, chill;
        std::optional<std::int32_t> stated = std::nullopt; // "Relative Humidity: 58%"
    } cases[] = {
        {"99999", "21.7", "6", "210", "Temperature", -30, 0, -30, -30},
        {"13 C", "", "6", "210", "Temperature,DewPoint", -30, 0, -30, -30},
        {"32.2", "nan", "6", "210", "DewPoint", 89, 0, -30, 89},
        {"32.2", "21.7", "1,5", "210", "Wind", 89, 54, 95, -30},
        {"32.2", "21.7", "-5", "210", "Wind", 89, 54, 95, -30},
        {"32.2", "", "6", "210", "DewPoint,HumidityStated", 89, 58, -30, 89, 58},
        {"", "21.7", "6", "210", "Temperature,HumidityStated", -30, 58, -30, -30, 58},
        {"32.2", "21.7", "6", "210", "", 89, 54, 95, 89, 58},
        {"32.2", "", "6", "210", "DewPoint", 89, 0, -30, 89},
    };
    for (const auto& c : cases) {
        Observation o = WithTexts(c.celsius, c.dewPoint, c.knots);
        o.Cut.WindDirection = c.direction;
        o.Cut.StatedHumidity = c.stated;
        DeriveTargets(o);
        EXPECT_EQ(UnreportedText(o.NotReported), c.missing) << c.celsius << " " << c.knots;
        EXPECT_EQ(std::tuple(o.Target.TemperatureF, o.Target.HumidityPercent, o.Target.HeatIndexF,
                             o.Target.WindChillF),
                  std::tuple(c.temp, c.humidity, c.heatIndex, c.chill))
            << c.celsius << " " << c.dewPoint << " " << c.knots;
    }
}

TEST(DerivedValuesTest, PressurePlanFirstHalf) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double shown, target, shownAfter, targetAfter;
        double difference;
        bool rising;
        std::int32_t steps;
    } cases[] = {
        {30.00, 30.50, 30.00, 30.50, 0.50, true, 12},
        {30.50, 30.00, 30.50, 30.00, 0.50, false, 12},
        {30.09, 30.09, 30.09, 30.09, 0, true, 0},
        {30.09, 30.1, 30.09, 30.1, 0.01, true, 0},
        {30.09, 30, 30.09, 30, 0.09, false, 2},
        {30.09, 30.123, 30.09, 30.12, 0.03, true, 0}, // only two decimals reachable
        {28.00, 30.02, 28.00, 30.02, 2.02, true, 50},
        {nan, 30.00, 0, 0, 0, true, 0},
        {30.00, nan, 0, 0, 0, true, 0},
        {0, 1e300, 0, 0, 0, true, 0}, // too far to count in 32-bit steps
        {1e300, 1e300, 1e300, 1e300, 0, true, 0},
        {0, 12.346, 0, 12.35, 12.35, true, 308}, // three decimals
    };
    for (const auto& c : cases) {
        Observation o;
        o.Shown.PressureInHg = c.shown;
        o.Target.PressureInHg = c.target;
        PressurePlan plan = StartPressurePlan(o);
        FinishPressurePlan(plan);
        EXPECT_EQ(o.Shown.PressureInHg, c.shownAfter) << c.shown << " " << c.target;
        EXPECT_EQ(o.Target.PressureInHg, c.targetAfter) << c.shown << " " << c.target;
        EXPECT_NEAR(plan.difference, c.difference, 1e-9) << c.shown << " " << c.target;
        EXPECT_EQ(plan.rising, c.rising) << c.shown << " " << c.target;
        EXPECT_EQ(plan.steps, c.steps) << c.shown << " " << c.target;
        EXPECT_EQ(plan.counter, 0);
        EXPECT_NEAR(plan.remainder, plan.difference - plan.steps * 0.04, 1e-12);
    }
}

} // namespace
} // namespace stormbell
