#include "settings/qt/FirstStartUnits.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(FirstStartUnitsTest, OnlyTheCountriesOfUsCustomaryUnitsStartOnTheEnglishFace) {
    const struct {
        const char* locale;
        DisplayMode mode;
    } cases[] = {{"en_US", DisplayMode::English}, {"es_US", DisplayMode::English},
                 {"en_LR", DisplayMode::English}, {"my_MM", DisplayMode::English},
                 {"de_DE", DisplayMode::Metric},  {"fr_FR", DisplayMode::Metric},
                 {"es_ES", DisplayMode::Metric},  {"en_GB", DisplayMode::Metric},
                 {"en_CA", DisplayMode::Metric},  {"C", DisplayMode::English}};
    for (const auto& c : cases)
        EXPECT_EQ(FirstStartDisplayMode(QLocale(c.locale)), c.mode) << c.locale;
}

} // namespace
} // namespace stormbell
