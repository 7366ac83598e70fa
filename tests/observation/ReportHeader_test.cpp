#include "observation/ReportHeader.h"

#include <string>

#include <gtest/gtest.h>

#include "observation/ReportFigures.h"
#include "observation/ReportLines.h"
#include "observation/ReportScan.h"
#include "tests/support/ReportShapes.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

using namespace std::chrono;

constexpr sys_seconds kKfntObserved = sys_days{2021y / August / 12} + 3h + 21min;

std::vector<std::string> SampleLines(const std::string& file) {
    return SplitReportLines(
        testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR) + "/reports/" + file));
}

TEST(ReportHeaderTest, ReadsNameAndIdentifierOfEverySampleReport) {
    struct Case {
        const char* file;
        const char* name;
        const char* station;
    } cases[] = {
        {"CYVR.TXT", "Vancouver International Air-Port, B. C., Canada", "CYVR"},
        {"EGLC.TXT", "London City Airport, United Kingdom", "EGLC"},
        {"KARB.TXT", "ANN ARBOR MUNICIPAL AIRPORT, MI, United States", "KARB"},
        {"KBFI.TXT", "SEATTLE BOEING FIELD, WA, United States", "KBFI"},
        {"KFNT.TXT", "FLINT BISHOP INTERNATIONAL  AIRPORT, MI, United States", "KFNT"},
        {"KYIP.TXT", "WILLOW RUN AIRPORT, MI, United States", "KYIP"},
        {"LSZH.TXT", "Z\xc3\xbcrich-Kloten, Switzerland", "LSZH"}, // Latin-1 in the report
        {"edge/BADWIND.TXT", "SOMEWHERE FIELD, XX, United States", "KXXC"},
    };
    for (const auto& c : cases) {
        const ReportHeader header = ReadReportHeader(SampleLines(c.file));
        EXPECT_EQ(header.StationName, c.name) << c.file;
        EXPECT_EQ(header.Station, c.station) << c.file;
    }
}

// The service's text as it comes: the report is read whole, with its station, its observation
// time and its values, whatever its line ends or a stray carriage return do.
TEST(ReportHeaderTest, EveryShapeOfAReportReadsTheSame) {
    for (const auto& shape :
         testing::ReportShapes(testing::ReadFile(STORMBELL_TEST_DATA_DIR "/reports/KFNT.TXT"))) {
        const auto lines = SplitReportLines(shape.text);
        EXPECT_NO_THROW(CheckDecodedReport(lines)) << shape.name;
        const ReportHeader header = ReadReportHeader(lines);
        EXPECT_EQ(header.Station, "KFNT") << shape.name;
        EXPECT_EQ(header.StationName, "FLINT BISHOP INTERNATIONAL  AIRPORT, MI, United States")
            << shape.name;
        EXPECT_EQ(header.Observed, kKfntObserved) << shape.name;
        CutTexts cut;
        ScanReportLines(lines, cut);
        EXPECT_EQ(cut.TemperatureC, "22.2") << shape.name;
        EXPECT_EQ(cut.PressureInHg, "29.89") << shape.name;
        const ReportFigures figures = ParseReportFigures(lines);
        EXPECT_EQ(figures.Visibility, "10 mile(s)") << shape.name;
        EXPECT_EQ(figures.RelativeHumidity, 90) << shape.name;
    }
}

TEST(ReportHeaderTest, FindsTheTimeLineByItsFormAmongTheFirstLines) {
    const std::string station = "Field (KABC) 40-00N";
    const std::string time = "Apr 25, 2013 - 01:00 AM EDT / 2013.04.25 0500 UTC";
    const sys_seconds at = sys_days{2013y / April / 25} + 5h;
    const struct {
        std::vector<std::string> lines;
        std::optional<sys_seconds> observed;
        const char* station;
    } cases[] = {
        {{station, time}, at, "KABC"},
        {{station, "", time}, at, "KABC"},
        {{"Field (KA", "BC) 40-00N", time}, at, "KABC"}, // the parts of one line before it
        {{station, "", "", "", time}, at, "KABC"},
        {{station, "", "", "", "", time}, std::nullopt, "KABC"}, // too far down
        {{time, "Field (KABC)"}, std::nullopt, ""},              // the first line names it
        {{station, "Wind: Calm:0"}, std::nullopt, "KABC"},
        {{station}, std::nullopt, "KABC"},
        {{}, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const ReportHeader header = ReadReportHeader(c.lines);
        EXPECT_EQ(header.Observed, c.observed) << c.lines.size();
        EXPECT_EQ(header.Station, c.station) << c.lines.size();
    }
}

TEST(ReportHeaderTest, TakesTheLastGroupOfFourCapitalsOrDigits) {
    struct Case {
        const char* line;
        const char* name;
        const char* station;
    } cases[] = {
        {"Field (Army) (K1X2) 40-00N", "Field (Army)", "K1X2"},
        {"Field (KABC) note (kxyz) (KAB)", "Field", "KABC"},
        {"(KABC)", "", "KABC"},
        // Without an identifier there is no station, and no name either.
        {"", "", ""},
        {"Wind: Calm:0", "", ""},
        {"Field (KAB) 40-00N", "", ""},
        {"Field (KABCD)", "", ""},
        {"Field (KAB", "", ""},
        {"Field (kabc)", "", ""},
        {"(", "", ""},
    };
    for (const auto& c : cases) {
        const ReportHeader header = ReadReportHeader({c.line});
        EXPECT_EQ(header.StationName, c.name) << c.line;
        EXPECT_EQ(header.Station, c.station) << c.line;
    }
}

} // namespace
} // namespace stormbell
