#include "gauges/GaugeDescription.h"

#include <gtest/gtest.h>

#include "tests/support/FixedClock.h"

namespace stormbell {
namespace {

using namespace std::chrono;
using testing::FixedClock;

// 2013-04-25 05:00:00 UTC; the local zone of these tests is UTC.
constexpr sys_seconds kObserved{seconds{1366866000}};

Observation Shown() {
    Observation o = FreshStoreObservation();
    o.Shown = {55, 58, 55, 48, 30.09, {250, false}, 13};
    return o;
}

ReadingContext Fetched() {
    ReadingContext context;
    context.Header.StationName = "Vancouver International Air-Port, B. C., Canada";
    context.Header.Station = "CYVR";
    context.Header.Observed = kObserved;
    context.LastFetch = kObserved + minutes(20);
    return context;
}

TEST(GaugeDescription, FreshReadingInBothUnitSystems) {
    const std::string head = "Vancouver International Air-Port, B. C., Canada (CYVR)\n"
                             "Observed 05:00, 23 minutes ago\n"
                             "Fetched 05:20\n";
    const std::pair<DisplayMode, std::string> cases[] = {
        {DisplayMode::English,
         "Temperature 55 °F (12.8 °C)\n"
         "Wind chill 48 °F (8.9 °C)\n"
         "Humidity 58 %\n"
         "Pressure 30.09 inHg (1019 hPa), 0.09 inHg above the reference hand at 30.00 inHg\n"
         "Wind from WSW (250°) at 13 knots (24 km/h)"},
        {DisplayMode::Metric,
         "Temperature 12.8 °C (55 °F)\n"
         "Wind chill 8.9 °C (48 °F)\n"
         "Humidity 58 %\n"
         "Pressure 101.9 kPa / 1019 hPa (30.09 inHg), 3.0 hPa above the reference hand at "
         "101.6 kPa\n"
         "Wind from WSW (250°) at 24 km/h (13 knots)"},
    };
    for (const auto& [mode, values] : cases) {
        Observation shown = Shown();
        shown.DisplayMode = mode;
        EXPECT_EQ(DescribeGauge(shown, 100, Fetched(), FixedClock(kObserved + minutes(23))),
                  head + values);
    }
}

TEST(GaugeDescription, WarningsComeFirst) {
    const std::string failed = "The last update failed; these values are from an earlier "
                               "reading.\n";
    const std::string hint =
        "A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.\n";
    struct Case {
        const char* name;
        bool failed;
        seconds age;
        std::string firstLines;
        bool ftpBlocked = false;
        const char* failedFor = "";
        std::optional<sys_seconds> olderSent = std::nullopt;
    };
    const Case cases[] = {
        {"stale", false, hours(5) + minutes(3),
         "Outdated: this observation is 5 hours 3 minutes old.\nVancouver"},
        {"failed", true, minutes(10), failed + "Vancouver"},
        {"both", true, hours(50), failed + "Outdated: this observation is 2 days old.\nVancouver"},
        {"two hours exactly is not yet stale", false, hours(2), "Vancouver"},
        {"the FTP login could not connect", true, minutes(10), failed + hint + "Vancouver", true},
        {"the same station failed", true, minutes(10), failed + "Vancouver", false, "CYVR"},
        {"another station failed", true, minutes(10),
         "The update of KQQZ failed; these values are from an earlier reading of CYVR.\nVancouver",
         false, "KQQZ"},
        {"the service sent an older observation", false, minutes(10),
         "The service sent an older observation, of 04:30; the newer reading stays.\nVancouver",
         false, "", kObserved - minutes(30)},
    };
    for (const auto& c : cases) {
        ReadingContext context = Fetched();
        context.LastCycleFailed = c.failed;
        context.FtpBlocked = c.ftpBlocked;
        context.FailedStation = c.failedFor;
        context.OlderSent = c.olderSent;
        const std::string text =
            DescribeGauge(Shown(), 100, context, FixedClock(kObserved + c.age));
        EXPECT_EQ(text.rfind(c.firstLines, 0), 0u) << c.name << ":\n" << text;
        EXPECT_EQ(text.find(hint) != std::string::npos, c.ftpBlocked) << c.name;
    }
}

// Before a report is decoded in the run, the needles' positions are not passed off as a reading.
TEST(GaugeDescription, NoReadingYetSinceStart) {
    Observation fresh = FreshStoreObservation();
    Observation freshMetric = fresh;
    freshMetric.DisplayMode = DisplayMode::Metric;
    Observation saved = Shown();
    saved.Target.TemperatureF = 70;
    struct Case {
        const char* name;
        Observation shown;
        const char* expected;
    };
    const Case cases[] = {
        {"rest positions", fresh, "No reading yet: the needles rest until the first update."},
        {"rest positions on the metric skin", freshMetric,
         "No reading yet: the needles rest until the first update."},
        {"values of the last save", saved,
         "No reading yet in this run; these are the values shown when the gauge was last saved.\n"
         "Temperature 55 °F (12.8 °C)\n"
         "Wind chill 48 °F (8.9 °C)\n"
         "Humidity 58 %\n"
         "Pressure 30.09 inHg (1019 hPa), 0.09 inHg above the reference hand at 30.00 inHg\n"
         "Wind from WSW (250°) at 13 knots (24 km/h)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeGauge(c.shown, 100, ReadingContext{}, FixedClock(kObserved)), c.expected)
            << c.name;
    ReadingContext failed;
    failed.LastCycleFailed = true;
    failed.LastFailure = "Could not connect to 127.0.0.1 port 2121: connection refused";
    EXPECT_EQ(DescribeGauge(fresh, 100, failed, FixedClock(kObserved)),
              "The last update failed.\n" + failed.LastFailure +
                  "\nNo reading yet: the needles rest until the first update.");
    failed.FailedStation = "KQQZ";
    EXPECT_EQ(DescribeGauge(fresh, 100, failed, FixedClock(kObserved))
                  .rfind("The update of KQQZ failed.\n", 0),
              0u);
}

TEST(GaugeDescription, DayAndYearShownWhenNotTodayOrThisYear) {
    const std::pair<seconds, const char*> cases[] = {
        {hours(30), "Observed Apr 25 05:00, 1 day ago"},
        {days(252), "Observed Apr 25, 2013 05:00, 252 days ago"},
    };
    for (const auto& [age, expected] : cases) {
        const std::string text =
            DescribeGauge(Shown(), 100, Fetched(), FixedClock(kObserved + age));
        EXPECT_NE(text.find(expected), std::string::npos) << text;
    }
}

TEST(GaugeDescription, ValuesInWords) {
    struct Case {
        WindDirection direction;
        std::int32_t speed;
        double pressure;
        std::uint16_t pressSet;
        const char* expected;
    };
    constexpr WindDirection east{90, false};
    const Case cases[] = {
        {kVariableWind, 5, 30.00, 100, "Wind variable at 5 knots (9 km/h)"},
        {{360, false}, 1, 30.00, 100, "Wind from N (360°) at 1 knot (2 km/h)"},
        {{}, 0, 30.00, 100, "Wind calm"},
        {east, 4, 29.90, 100,
         "Pressure 29.90 inHg (1013 hPa), 0.10 inHg below the reference hand at 30.00 inHg"},
        // Position 50 lies on 28.00 and 32.00 alike: the needle is read the shorter way round,
        // against the value the hand has on the needle's side of the dial.
        {east, 4, 31.90, 50, "0.10 inHg below the reference hand at 32.00 inHg"},
        {east, 4, 29.94, 50, "1.94 inHg above the reference hand at 28.00 inHg"},
        {east, 4, 30.09, 50, "1.91 inHg below the reference hand at 32.00 inHg"},
        {east, 4, 30.12, 97, "0.24 inHg above the reference hand at 29.88 inHg"},
        {east, 4, 30.04, 1, "at the reference hand"},
    };
    for (const auto& c : cases) {
        Observation shown = Shown();
        shown.Shown.WindDirection = c.direction;
        shown.Shown.WindSpeedKnots = c.speed;
        shown.Shown.PressureInHg = c.pressure;
        const std::string text = DescribeGauge(shown, c.pressSet, Fetched(), FixedClock(kObserved));
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    }
}

// The report's own figure stands beside the gauge's, which keeps the design's formulas; the
// heat index shows only where it differs from the air's temperature.
TEST(GaugeDescription, FeltTemperaturesBesideTheServicesFigures) {
    struct Case {
        std::int16_t temp;
        double chill, heat;
        DisplayMode mode;
        ServiceFigures service;
        const char *expected, *absent;
    };
    const ServiceFigures cold{ServiceFigure{"26", "-3"}, {}};
    const ServiceFigures hot{{}, ServiceFigure{"96.1", "35.6"}};
    const auto english = DisplayMode::English;
    const Case cases[] = {
        {55, 48, 55, english, cold,
         "\nWind chill 48 °F (8.9 °C); the weather service gives 26 °F (-3 °C)\n", "Heat index"},
        {55, 48, 55, DisplayMode::Metric, cold,
         "\nWind chill 8.9 °C (48 °F); the weather service gives -3 °C (26 °F)\n", "Heat index"},
        {55, 55, 55, english, cold,
         "\nWind chill 55 °F (12.8 °C); the weather service gives 26 °F (-3 °C)\n", "Heat index"},
        {55, 55, 97, english, hot,
         "\nHeat index 97 °F (36.1 °C); the weather service gives 96.1 °F (35.6 °C)\n",
         "Wind chill"},
        {89, 89, 95, english, {}, "\nHeat index 95 °F (35.0 °C)\n", "Wind chill"},
    };
    for (const Case& c : cases) {
        Observation shown = Shown();
        shown.Shown.TemperatureF = c.temp;
        shown.Shown.WindChillF = c.chill;
        shown.Shown.HeatIndexF = c.heat;
        shown.DisplayMode = c.mode;
        ReadingContext context = Fetched();
        context.Figures.Service = c.service;
        const std::string text = DescribeGauge(shown, 100, context, FixedClock(kObserved));
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        EXPECT_EQ(text.find(c.absent), std::string::npos) << text;
    }
}

TEST(GaugeDescription, AgesAndCompassPoints) {
    EXPECT_EQ(AgeText(seconds(-30)), "just now");
    EXPECT_EQ(AgeText(seconds(59)), "just now");
    EXPECT_EQ(AgeText(minutes(1)), "1 minute ago");
    EXPECT_EQ(AgeText(hours(1)), "1 hour ago");
    EXPECT_EQ(AgeText(hours(23) + minutes(59)), "23 hours 59 minutes ago");
    EXPECT_EQ(AgeText(hours(72)), "3 days ago");
    const std::pair<int, const char*> points[] = {{0, "N"},   {11, "N"},    {12, "NNE"},
                                                  {180, "S"}, {250, "WSW"}, {348, "NNW"},
                                                  {349, "N"}, {360, "N"},   {-90, "W"}};
    for (const auto& [degrees, point] : points)
        EXPECT_EQ(CompassPoint(degrees), point) << degrees;
}

} // namespace
} // namespace stormbell
