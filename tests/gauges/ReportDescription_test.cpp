#include "gauges/GaugeDescription.h"

#include <gtest/gtest.h>

#include "observation/ReadingTracker.h"
#include "observation/ReportDecoder.h"
#include "observation/ReportLines.h"
#include "tests/observation/Fakes.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

using namespace std::chrono;

// The values part of the tooltip after a sample report was fetched and decoded: the report's
// own figures in the skin's units first, and the lines of its weather.
std::string Values(const char* file, DisplayMode mode) {
    const std::vector<std::string> lines = SplitReportLines(
        testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR) + "/reports/" + file));
    Observation shown = FreshStoreObservation();
    testing::RecordingPresenter presenter{shown};
    testing::CountingPause pause;
    testing::RecordingStatus status;
    ReportDecoder(shown, presenter, pause, status, ".").BreakOut(lines, false);
    shown.DisplayMode = mode;
    const testing::FixedClock clock(sys_seconds{});
    ReadingTracker tracker(clock);
    tracker.RecordDecoded(lines);
    const std::string text = DescribeGauge(shown, 100, tracker.Context(), clock);
    return text.substr(text.find("Temperature"));
}

TEST(ReportDescriptionTest, SampleReportsInTheSkinsUnits) {
    const struct Case {
        const char* file;
        DisplayMode mode;
        const char* values;
    } cases[] = {
        {"KFNT.TXT", DisplayMode::English, // gusts and thunder, no tendency
         "Temperature 72.0 °F (22.2 °C)\n"
         "Dew point 69.1 °F (20.6 °C)\n"
         "Heat index 75 °F (23.9 °C)\n"
         "Humidity 90 %\n"
         "Pressure 29.89 inHg (1012 hPa), 0.11 inHg below the reference hand at 30.00 inHg\n"
         "Wind from SSW (210°) at 13 knots (24 km/h)\n"
         "Gusts to 22 knots (41 km/h)\n"
         "Visibility 10 mile(s)\n"
         "Sky overcast\n"
         "Weather thunder in the vicinity; light rain; Lightning observed"},
        {"KARB.TXT", DisplayMode::Metric, // a tendency line and the service's wind chill
         "Temperature -4.4 °C (24.1 °F)\n"
         "Dew point -6.7 °C (19.9 °F)\n"
         "Wind chill -11.1 °C (12 °F); the weather service gives -10 °C (14 °F)\n"
         "Humidity 83 %\n"
         "Pressure 101.6 kPa / 1016 hPa (30.02 inHg), 0.7 hPa above the reference hand at "
         "101.6 kPa\n"
         "Pressure rising 4.1 hPa in 3 hours (0.12 inHg)\n"
         "Wind from WSW (250°) at 15 km/h (8 knots)\n"
         "Visibility 10 mile(s)\n"
         "Sky clear"},
        {"CYVR.TXT", DisplayMode::English, // calm
         "Temperature 55 °F (13 °C)\n"
         "Dew point 41 °F (5 °C)\n"
         "Humidity 58 %\n"
         "Pressure 30.09 inHg (1018 hPa), 0.09 inHg above the reference hand at 30.00 inHg\n"
         "Wind calm\n"
         "Visibility 30 mile(s)\n"
         "Sky mostly cloudy"},
        {"edge/NOTEMP.TXT", DisplayMode::English, // no temperature, no dew point
         "Temperature not reported\n"
         "Dew point not reported\n"
         "Wind chill not reported\n"
         "Humidity not reported\n"
         "Pressure 29.92 inHg (1013 hPa), 0.08 inHg below the reference hand at 30.00 inHg\n"
         "Wind variable at 3 knots (6 km/h)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Values(c.file, c.mode), c.values) << c.file;
}

} // namespace
} // namespace stormbell
