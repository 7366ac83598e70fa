#include "observation/ServiceFigures.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

std::string Text(const std::optional<ServiceFigure>& figure) {
    return figure ? figure->Fahrenheit + "/" + figure->Celsius : "none";
}

TEST(ServiceFiguresTest, ReadsTheReportsOwnFeltTemperatures) {
    struct Case {
        std::vector<std::string> lines;
        const char* chill;
        const char* heat;
    };
    const Case cases[] = {
        {{"Temperature: 24.1 F (-4.4 C)", "Windchill: 14 F (-10 C):1"}, "14/-10", "none"},
        {{"Heat index: 96.1 F (35.6 C):1"}, "none", "96.1/35.6"},
        {{"Windchill: -5 F (-21 C)", "Heat index: 80 F (27 C)"}, "-5/-21", "80/27"},
        {{"Windchill:   7 F (-14 C):1"}, "7/-14", "none"},
        {{"Temperature: 55 F (13 C)"}, "none", "none"},
        {{"Windchill: F (C):1", "Heat index: 96.1F (35.6 C)", "Heat index: 9x F (3 C)"},
         "none",
         "none"},
        {{"Windchill: 14 F (-10 C):1", "Windchill: n/a"}, "14/-10", "none"},
        {{" Windchill: 14 F (-10 C)", "windchill: 14 F (-10 C)"}, "none", "none"},
    };
    for (const Case& c : cases) {
        const ServiceFigures figures = ParseServiceFigures(c.lines);
        EXPECT_EQ(Text(figures.WindChill), c.chill) << c.lines[0];
        EXPECT_EQ(Text(figures.HeatIndex), c.heat) << c.lines[0];
    }
}

} // namespace
} // namespace stormbell
