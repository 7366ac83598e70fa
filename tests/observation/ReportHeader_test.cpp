#include "observation/ReportHeader.h"

#include <string>

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

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
        const auto lines = SplitReportLines(
            testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR) + "/reports/" + c.file));
        ASSERT_FALSE(lines.empty()) << c.file;
        const auto header = ParseReportHeader(lines[0]);
        ASSERT_TRUE(header) << c.file;
        EXPECT_EQ(header->StationName, c.name);
        EXPECT_EQ(header->Station, c.station);
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
    };
    for (const auto& c : cases) {
        const auto header = ParseReportHeader(c.line);
        ASSERT_TRUE(header) << c.line;
        EXPECT_EQ(header->StationName, c.name) << c.line;
        EXPECT_EQ(header->Station, c.station) << c.line;
    }
}

TEST(ReportHeaderTest, ALineWithoutAnIdentifierNamesNoStation) {
    for (const char* line : {"", "Wind: Calm:0", "Field (KAB) 40-00N", "Field (KABCD)",
                             "Field (KAB", "Field (kabc)", "("})
        EXPECT_FALSE(ParseReportHeader(line)) << line;
}

} // namespace
} // namespace stormbell
