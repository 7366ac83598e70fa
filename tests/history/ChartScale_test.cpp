#include "history/ChartScale.h"

#include <gtest/gtest.h>

#include <optional>

namespace stormbell {
namespace {

// The pressure graph's scale follows the readings shown: a reference hand far off never
// flattens a small fall, and one within the readings' scale is drawn.
TEST(ChartScaleTest, SpansTheValuesShownAtLeastTheLeastSpan) {
    const struct {
        const char* name;
        std::vector<double> values;
        double leastSpan;
        double reference;
        double low, high, step;
        bool referenceShown;
    } cases[] = {
        {"a 0.3 inHg fall, hand at 28.00",
         {30.10, 29.95, 29.80},
         0.3,
         28.00,
         29.8,
         30.2,
         0.1,
         false},
        {"a 0.3 inHg fall, hand within", {30.10, 29.95, 29.80}, 0.3, 29.92, 29.8, 30.2, 0.1, true},
        {"a steady day widened to 0.3 inHg", {30.00, 30.00}, 0.3, 29.92, 29.8, 30.3, 0.1, true},
        {"a wobble in kPa widened to 10 hPa", {101.3, 101.5}, 1.0, 94.8, 100.5, 102.5, 0.5, false},
        {"a wide fall keeps its own span", {29.0, 30.5}, 0.3, 30.0, 29.0, 31.0, 0.5, true},
        {"the hand just above the readings", {29.80, 29.95}, 0.3, 30.25, 29.7, 30.2, 0.1, false},
        {"nothing to show", {}, 0.3, 0.5, 0.0, 1.0, 0.5, true},
    };
    for (const auto& c : cases) {
        const ChartScale scale = ScaleFor(c.values, c.leastSpan);
        EXPECT_NEAR(scale.Low, c.low, 1e-9) << c.name;
        EXPECT_NEAR(scale.High, c.high, 1e-9) << c.name;
        EXPECT_NEAR(scale.Step, c.step, 1e-9) << c.name;
        EXPECT_EQ(scale.Holds(c.reference), c.referenceShown) << c.name;
        for (const double value : c.values)
            EXPECT_TRUE(scale.Holds(value)) << c.name << ": " << value;
    }
}

} // namespace
} // namespace stormbell
