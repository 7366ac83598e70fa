#include "observation/ReportDecoder.h"

#include <clocale>
#include <cmath>
#include <functional>
#include <locale>
#include <random>
#include <tuple>

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "observation/ReportScan.h"
#include "observation/ValueTexts.h"
#include "platform/TextConvert.h"
#include "tests/observation/Fakes.h"
#include "tests/support/SmallFilesystem.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Report(const std::string& name) {
    const std::string text =
        testing::ReadFile(fs::path(STORMBELL_TEST_DATA_DIR) / "reports" / name);
    if (text.empty())
        throw std::runtime_error("missing test report " + name);
    return SplitReportLines(text);
}

class ReportDecoderTest : public ::testing::Test {
protected:
    void BreakOut(const std::vector<std::string>& lines, bool logIt = false) {
        decoder.BreakOut(lines, logIt);
    }

    testing::TempDir dir;
    Observation o = FreshStoreObservation();
    testing::RecordingPresenter presenter{o};
    testing::CountingPause pause;
    testing::RecordingStatus status;
    ReportDecoder decoder{o, presenter, pause, status, dir.Path()};
};

TEST_F(ReportDecoderTest, SampleReportsFromAFreshStore) {
    struct Case {
        const char* file;
        std::int16_t temp;
        std::int32_t humidity;
        double heatIndex, chill;
        std::string pressure, direction, speed, celsius, dewPoint;
        long frames;
    } cases[] = {
        {"CYVR.TXT", 55, 58, 55, 55, "30.09", "000", "0", "13", "5", 85},
        {"KYIP.TXT", 89, 54, 95, 89, "29.94", "210", "6", "32.2", "21.7", 125},
        {"KARB.TXT", 24, 83, 24, 12, "30.02", "250", "8", "-4.4", "-6.7", 83},
        {"KFNT.TXT", 71, 90, 75, 71, "29.89", "210", "13", "22.2", "20.6", 105},
        {"KBFI.TXT", 66, 58, 66, 66, "29.94", "VRB", "4", "19.4", "11.1", 96},
        {"EGLC.TXT", 51, 53, 51, 51, "30.12", "250", "14", "11", "2", 81},
        {"edge/PRES1DEC.TXT", 50, 71, 50, 41, "30.1", "320", "9", "10.0", "5.0", 80},
        {"edge/PRESWHOLE.TXT", 50, 71, 50, 50, "30", "090", "4", "10.0", "5.0", 80},
        {"edge/NOTEMP.TXT", -30, 0, -30, -30, "29.92", "VRB", "3", "", "", 48},
    };
    for (const auto& c : cases) {
        o = FreshStoreObservation();
        BreakOut(Report(c.file));
        const GaugeValues& shown = o.Shown;
        EXPECT_EQ(std::tuple(shown.TemperatureF, shown.HumidityPercent, shown.HeatIndexF,
                             shown.WindChillF, FloatToStrGeneral(shown.PressureInHg),
                             DirectionText(shown.WindDirection), IntToStr(shown.WindSpeedKnots),
                             o.Cut.TemperatureC, o.Cut.DewPointC, decoder.LastSweepFrames()),
                  std::tuple(c.temp, c.humidity, c.heatIndex, c.chill, c.pressure, c.direction,
                             c.speed, c.celsius, c.dewPoint, c.frames))
            << c.file;
    }
}

TEST_F(ReportDecoderTest, CommaLocaleChangesNothing) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    const std::locale previous = std::locale::global(std::locale(""));
    BreakOut(Report("KARB.TXT"));
    std::locale::global(previous);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(o.Shown.TemperatureF, 24);
    EXPECT_EQ(o.Shown.WindChillF, 12);
    EXPECT_EQ(o.Shown.PressureInHg, 30.02);
}

TEST_F(ReportDecoderTest, VariableShownDirectionStartsFromNorth) {
    BreakOut(Report("KBFI.TXT"));
    presenter.frames.clear();
    BreakOut(Report("KYIP.TXT"));
    ASSERT_FALSE(presenter.frames.empty());
    EXPECT_EQ(presenter.frames[0].Shown.WindDirection, WindDirection{});
    EXPECT_EQ(o.Shown.WindDirection, (WindDirection{210, false}));
}

// Goa reports 999 for an unknown direction, Ifrane 370; the rest of either report counts.
TEST_F(ReportDecoderTest, DirectionsAboveTheCompassAreTakenAsTheyCome) {
    const struct {
        const char* file;
        std::int32_t direction;
        std::int16_t temp;
    } cases[] = {{"edge/DIR999.TXT", 999, 87}, {"edge/DIR370.TXT", 370, 50}};
    for (const auto& c : cases) {
        o = FreshStoreObservation();
        BreakOut(Report(c.file));
        EXPECT_EQ(o.Shown.WindDirection, (WindDirection{c.direction, false})) << c.file;
        EXPECT_EQ(o.Shown.TemperatureF, c.temp) << c.file;
        EXPECT_EQ(status.texts.back(), "Completed") << c.file;
    }
}

// A station whose sensors are out of service: header, time and "ob:" line only. Decoding it
// would show 32 F and 100 %; it is logged, and nothing else changes, not even a VRB needle.
TEST_F(ReportDecoderTest, AReportWithoutObservationLinesIsNoReading) {
    BreakOut(Report("KBFI.TXT"));
    const Observation before = o;
    presenter.frames.clear();
    status.texts.clear();
    EXPECT_THROW(BreakOut(Report("edge/NOSENSORS.TXT"), true), ENotAReading);
    EXPECT_EQ(o.Shown.WindDirection, kVariableWind);
    EXPECT_EQ(std::tie(o.Shown, o.Target, o.Cut.TemperatureC),
              std::tie(before.Shown, before.Target, before.Cut.TemperatureC));
    EXPECT_TRUE(presenter.frames.empty());
    EXPECT_TRUE(status.texts.empty());
    EXPECT_NE(testing::ReadFile(dir.Path() / "METAR.LOG").find("(KXXB)"), std::string::npos);
}

TEST_F(ReportDecoderTest, SameReportTwiceTakesNoSteppingFrame) {
    BreakOut(Report("KARB.TXT"));
    presenter.frames.clear();
    BreakOut(Report("KARB.TXT"));
    EXPECT_EQ(decoder.LastSweepFrames(), 0);
    EXPECT_EQ(presenter.frames.size(), 1u); // the final drawing frame only
    EXPECT_EQ(status.texts.back(), "Completed");
}

TEST_F(ReportDecoderTest, LogsOnlyWhenAskedAndBeforeDecoding) {
    BreakOut(Report("CYVR.TXT"), false);
    EXPECT_FALSE(fs::exists(dir.Path() / "METAR.LOG"));
    BreakOut(Report("CYVR.TXT"), true);
    EXPECT_EQ(testing::ReadFile(dir.Path() / "METAR.LOG").substr(0, 25),
              "Vancouver International A");
}

// The log is a side step: what failed is kept for the caller to tell once the needles have
// swept, and the reading stands.
TEST_F(ReportDecoderTest, ALogThatFailsIsKeptAndTheReadingStands) {
    testing::SmallFilesystem disk;
    const struct {
        const char* name;
        std::function<fs::path()> logDirectory;
        std::string problem;
    } cases[] = {
        {"a folder named METAR.LOG",
         [&] {
             fs::create_directory(dir.Path() / "METAR.LOG");
             return dir.Path();
         },
         "Cannot CREATE METAR.LOG."},
        {"a full disk",
         [&] {
             disk.Fill("filler");
             return disk.Path();
         },
         "Cannot write METAR.TMP: No space left on device"},
    };
    for (const auto& c : cases) {
        if (c.problem.starts_with("Cannot write") && !disk.Mounted())
            continue;
        o = FreshStoreObservation();
        status.texts.clear();
        ReportDecoder logging{o, presenter, pause, status, c.logDirectory()};
        logging.BreakOut(Report("CYVR.TXT"), true);
        EXPECT_EQ(logging.LogProblem(), c.problem) << c.name;
        EXPECT_EQ(o.Shown.TemperatureF, 55) << c.name;
        EXPECT_EQ(status.texts.back(), "Completed") << c.name;
    }
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
}

// Untrusted bytes: real caption lines cut, spliced and salted at random, all on one observation.
// Every report must either complete with sane values or end with a conversion error that leaves
// the next report unharmed; the sanitizers watch the rest.
TEST_F(ReportDecoderTest, ArbitraryReportsNeverMisbehave) {
    const std::vector<std::string> captions = {
        "Wind: ",
        "Wind: Calm",
        "Wind: Variable",
        "Temperature",
        "Dew Point",
        "Pressure (alt",
        "(",
        "C",
        " degrees",
        "MPH (",
        " KT",
        ":",
        " in.",
        "-237.7",
        "1e308",
        "99999999999",
        "-",
        ".",
        "\xff\x00\x80",
        "VRB",
        "Wind: from the N (-5 degrees) at 9 MPH (8 KT)",
        "Wind: from the N (400 degrees) at 9 MPH (8 KT)",
    };
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        const int lineCount = static_cast<int>(random() % 8);
        for (int i = 0; i < lineCount; ++i) {
            std::string line;
            const int pieces = static_cast<int>(random() % 8);
            for (int p = 0; p < pieces; ++p) {
                if (random() % 4 == 0)
                    line += std::string(random() % 5, static_cast<char>(random() % 256));
                else if (random() % 3 == 0)
                    line += std::to_string(static_cast<int>(random() % 2001) - 1000);
                else
                    line += captions[random() % captions.size()];
            }
            lines.push_back(line);
        }
        if (random() % 50 == 0)
            lines.push_back("Temperature (" + std::string(100000, '9') + " C)");
        try {
            BreakOut(lines);
            EXPECT_GE(o.Target.HumidityPercent, 0);
            EXPECT_LE(o.Target.HumidityPercent, 100);
            EXPECT_EQ(o.Shown, o.Target);
            EXPECT_LE(decoder.LastSweepFrames(), MaxSweepFrames);
        } catch (const EConvertError&) {
        } catch (const ENotAReading&) {
        }
        // Whatever the report, the next report and the save can hold every shown value.
        EXPECT_TRUE(std::isfinite(o.Shown.PressureInHg)) << o.Shown.PressureInHg;
        EXPECT_GE(o.Shown.WindDirection.Degrees, 0);
        EXPECT_LE(o.Shown.WindDirection.Degrees, kMaxDirection);
        EXPECT_GE(o.Shown.WindSpeedKnots, 0);
    }
    BreakOut(Report("CYVR.TXT"));
    EXPECT_EQ(o.Shown.TemperatureF, 55);
}

} // namespace
} // namespace stormbell
