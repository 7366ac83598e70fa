#include "observation/ReportFigures.h"

#include <string>

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

// Every field in one line, so a table row says at a glance what a report gives.
std::string Summary(const ReportFigures& f) {
    auto pair = [](const std::optional<ServiceFigure>& t) {
        return t ? t->Fahrenheit + "F/" + t->Celsius + "C" : std::string("-");
    };
    auto text = [](const std::optional<std::string>& t) { return t ? *t : std::string("-"); };
    std::string wind = "-";
    if (f.Wind) {
        wind = f.Wind->Calm ? "calm" : f.Wind->Variable ? "vrb" : "";
        if (f.Wind->DirectionDegrees)
            wind += std::to_string(*f.Wind->DirectionDegrees);
        wind += "@" + std::to_string(f.Wind->SpeedKnots);
        if (f.Wind->GustKnots)
            wind += "G" + std::to_string(*f.Wind->GustKnots);
    }
    std::string tendency = "-";
    if (f.Tendency)
        tendency = f.Tendency->Inches + "in/" + f.Tendency->Hectopascals + "hPa/" +
                   std::to_string(static_cast<int>(f.Tendency->Change * 10));
    return "T " + pair(f.Temperature) + " D " + pair(f.DewPoint) + " H " +
           (f.RelativeHumidity ? std::to_string(*f.RelativeHumidity) : "-") + " P " +
           text(f.PressureInches) + "/" +
           (f.PressureHectopascals ? std::to_string(*f.PressureHectopascals) : "-") + " W " + wind +
           " V " + text(f.Visibility) + " S " + text(f.Sky) + " X " + text(f.Weather) + " R " +
           tendency;
}

TEST(ReportFiguresTest, ReadsTheFiguresOfEverySampleReport) {
    struct Case {
        const char* file;
        const char* summary;
    } cases[] = {
        {"CYVR.TXT", "T 55F/13C D 41F/5C H 58 P 30.09/1018 W calm@0 V 30 mile(s) S mostly cloudy "
                     "X - R -"},
        {"EGLC.TXT", "T 51F/11C D 35F/2C H 53 P 30.12/1020 W vrb250@14 V greater than 7 mile(s) "
                     "S mostly cloudy X light rain R -"},
        {"KARB.TXT", "T 24.1F/-4.4C D 19.9F/-6.7C H 83 P 30.02/1016 W 250@8 V 10 mile(s) S clear "
                     "X - R 0.12in/4.1hPa/41"},
        {"KBFI.TXT", "T 66.9F/19.4C D 52.0F/11.1C H 58 P 29.94/1013 W vrb@4 V 10 mile(s) S clear "
                     "X smoke R -"},
        {"KFNT.TXT", "T 72.0F/22.2C D 69.1F/20.6C H 90 P 29.89/1012 W 210@13G22 V 10 mile(s) "
                     "S overcast X thunder in the vicinity; light rain; Lightning observed R -"},
        {"LSZH.TXT", "T 28F/-2C D 23F/-5C H - P 30.18/1022 W 40@8 V - S - X - R -"},
    };
    for (const auto& c : cases) {
        const auto lines = SplitReportLines(
            testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR) + "/reports/" + c.file));
        EXPECT_EQ(Summary(ParseReportFigures(lines)), c.summary) << c.file;
    }
}

TEST(ReportFiguresTest, LeavesOutLinesThatDoNotReadAsTheServicePrintsThem) {
    const char* kNothing = "T - D - H - P -/- W - V - S - X - R -";
    struct Case {
        std::vector<std::string> lines;
        const char* summary;
    } cases[] = {
        {{"Pressure tendency: 0.04 inches (1.4 hPa) lower than three hours ago"},
         "T - D - H - P -/- W - V - S - X - R 0.04in/1.4hPa/-14"},
        {{"Temperature: 66.9 F", "Dew Point: n/a", "Relative Humidity: 101%",
          "Pressure (altimeter): 29.94 in. Hg", "Wind: from the N at 5 MPH",
          "Wind: from the N (400 degrees) at 5 MPH (4 KT)", "Visibility: :0",
          "Pressure tendency: 0.04 inches (-1.4 hPa) lower than three hours ago",
          "Pressure tendency: 0.04 inches (1.4 hPa) odd"},
         kNothing},
        {{"Wind: from the N (360 degrees) at 5 MPH (4 KT) gusting to 9 MPH", "Weather: Thunder"},
         "T - D - H - P -/- W - V - S - X Thunder R -"},
        {{"Temperature: 10 F (-12 C)", "Temperature: junk"}, kNothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Summary(ParseReportFigures(c.lines)), c.summary) << c.lines[0];
}

TEST(ReportFiguresTest, ThunderAndLightningInAnyCase) {
    EXPECT_TRUE(WeatherHasThunder("thunder in the vicinity; light rain"));
    EXPECT_TRUE(WeatherHasThunder("light rain; Lightning observed"));
    EXPECT_TRUE(WeatherHasThunder("THUNDERSTORM"));
    EXPECT_FALSE(WeatherHasThunder("light rain; mist"));
}

} // namespace
} // namespace stormbell
