#include "observation/ReportScan.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace stormbell {
namespace {

// Direction, speed, temperature in °C, dew point in °C and pressure as the scan left them.
using Texts = std::tuple<std::string, std::string, std::string, std::string, std::string>;

Texts Scan(const std::vector<std::string>& lines, CutTexts cut = {}) {
    ScanReportLines(lines, cut);
    return {cut.WindDirection, cut.WindSpeedKnots, cut.TemperatureC, cut.DewPointC,
            cut.PressureInHg};
}

TEST(ReportScanTest, CutsEachCaptionedLine) {
    struct Case {
        const char* line;
        Texts expected;
    } cases[] = {
        {"Wind: Calm:0", {"000", "00", "", "", ""}},
        {"Wind: Calm, then from the N (360 degrees) at 5 MPH (4 KT)", {"000", "00", "", "", ""}},
        {"Wind: Variable at 5 MPH (4 KT):0", {"VRB", "4", "", "", ""}},
        {"Wind: from the WSW (250 degrees) at 9 MPH (8 KT):0", {"250", "8", "", "", ""}},
        // Gusts: the first "MPH (" and "KT" give the sustained speed.
        {"Wind: from the SSW (210 degrees) at 15 MPH (13 KT) gusting to 25 MPH (22 KT):0",
         {"210", "13", "", "", ""}},
        {"Wind: from the WSW (250 degrees) at 16 MPH (14 KT) (direction variable):0",
         {"250", "14", "", "", ""}},
        {"Temperature: 24.1 F (-4.4 C)", {"", "", "-4.4", "", ""}},
        {"Temperature: 55 F (13 C)", {"", "", "13", "", ""}},
        {"Dew Point: 19.9 F (-6.7 C)", {"", "", "", "-6.7", ""}},
        {"Pressure (altimeter): 30.09 in. Hg (1018 hPa)", {"", "", "", "", "30.09"}},
        {"Pressure (altimeter): 30.1 in. Hg (1019 hPa)", {"", "", "", "", "30.1"}},
        // Captions that merely resemble the keys are not keys.
        {"Pressure tendency: 0.12 inches (4.1 hPa) higher", {"", "", "", "", ""}},
        {"wind: Calm:0", {"", "", "", "", ""}},
        {"Windchill: 14 F (-10 C):1", {"", "", "", "", ""}},
        // Lines that break the layout give odd texts, never a crash.
        {"Temperature: 55 F 13 C", {"", "", "Temperature: 55 F 13", "", ""}},
        {"Temperature", {"", "", "", "", ""}},
        {"Wind: from the N at 5 MPH", {"", "", "", "", ""}},
        {"Wind:", {"", "", "", "", ""}},
        {"Pressure (alt", {"", "", "", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scan({c.line}), c.expected) << c.line;
}

TEST(ReportScanTest, LaterLinesWinAndMissingLinesKeepOldValues) {
    CutTexts earlier;
    earlier.PressureInHg = "29.92";
    earlier.DewPointC = "3";
    // No pressure or dew point line in this report.
    EXPECT_EQ(Scan({"Temperature: 55 F (13 C)", "Wind: Calm:0",
                    "Wind: from the N (360 degrees) at 5 MPH (4 KT)", "Temperature: 1 F (-17 C)"},
                   earlier),
              Texts("360", "4", "-17", "3", "29.92"));
}

TEST(ReportScanTest, HugeAndBinaryLinesAreCutSafely) {
    const std::string filler(1 << 20, 'x');
    const std::string binary("Temperature\0(\xff\x80 C)", 18);
    const auto [direction, speed, celsius, dewPoint, pressure] =
        Scan({"Temperature (" + filler + " C)", "Wind: (" + filler, binary,
              "Pressure (alt: " + filler + " in."});
    EXPECT_EQ(celsius, "\xff\x80");
    EXPECT_EQ(direction.size(), 0u);
    EXPECT_EQ(pressure, filler);
}

} // namespace
} // namespace stormbell
