#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/support/TempDir.h"
#include "tools/cli/Commands.h"

namespace stormbell {
namespace {

const std::string Reports = std::string(STORMBELL_TEST_DATA_DIR) + "/reports/";

struct Outcome {
    int status;
    std::vector<std::string> lines;
    std::string errors;
};

Outcome Decode(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunDecode(args, in, out, err);
    return {status, SplitReportLines(out.str()), err.str()};
}

bool Has(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

TEST(DecodeCommandTest, EachReportStartsWhereThePreviousOneLeft) {
    const Outcome run = Decode({Reports + "CYVR.TXT", Reports + "KARB.TXT"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_TRUE(Has(run.lines[0], "\"frames\": 85}")) << run.lines[0];
    // From CYVR's needles the wind direction needs the longest: 000 to 250 in 56 frames.
    EXPECT_TRUE(Has(run.lines[1], "\"OChill\": 12, ")) << run.lines[1];
    EXPECT_TRUE(Has(run.lines[1], "\"frames\": 56}")) << run.lines[1];
}

// The report's own humidity is a stated value where the dew point is missing; the heat index
// made from temperature and dew point stays unstated.
TEST(DecodeCommandTest, AStatedHumidityStandsWhereTheDewPointIsMissing) {
    const struct {
        const char* report;
        const char* humidity;
        const char* heatIndex;
    } cases[] = {
        {"Temperature: 90 F (32 C)\nRelative Humidity: 58%\n", "\"OHumd\": 58, ",
         "\"OHeatIndex\": null, "},
        {"Temperature: 90 F (32 C)\nRelative Humidity: 158%\n", "\"OHumd\": null, ",
         "\"OHeatIndex\": null, "},
        {"Temperature: 90 F (32 C)\nDew Point: 70 F (21 C)\nRelative Humidity: 58%\n",
         "\"OHumd\": 52, ", "\"OHeatIndex\": 94, "},
    };
    for (const auto& c : cases) {
        const Outcome run = Decode({"-"}, c.report);
        ASSERT_EQ(run.lines.size(), 1u) << c.report;
        EXPECT_TRUE(Has(run.lines[0], c.humidity)) << run.lines[0];
        EXPECT_TRUE(Has(run.lines[0], c.heatIndex)) << run.lines[0];
    }
}

TEST(DecodeCommandTest, FailuresPrintAnErrorLineAndTheRestGoesOn) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::vector<std::string> expectedParts;
        int status;
    } cases[] = {
        {{"-"}, "Wind: Calm:0\nTemperature: 55 F (13 C)\n", {"\"OTemp\": 55, "}, 0},
        {{Reports + "edge/NOSENSORS.TXT", Reports + "CYVR.TXT"},
         "",
         {"{\"error\": \"The report holds none of the", "\"OTemp\": 55, "},
         1},
        {{Reports + "NOSUCH.TXT", "-"},
         "Wind: Variable at 3 MPH (3 KT):0\n",
         {"{\"error\": \"Cannot open " + Reports + "NOSUCH.TXT: No such file or directory\"}",
          "\"OWDInfo\": \"VRB\", "},
         1},
    };
    for (const auto& c : cases) {
        const Outcome run = Decode(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << c.args[0];
        ASSERT_EQ(run.lines.size(), c.expectedParts.size()) << c.args[0];
        for (std::size_t i = 0; i < run.lines.size(); ++i)
            EXPECT_TRUE(Has(run.lines[i], c.expectedParts[i])) << run.lines[i];
    }
}

TEST(DecodeCommandTest, UsageErrors) {
    for (const auto& args : {std::vector<std::string>{}, {"--log"}, {"--bogus", "x"}}) {
        const Outcome run = Decode(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.lines.empty());
        EXPECT_FALSE(run.errors.empty());
    }
}

TEST(DecodeCommandTest, LogAppendsEachReportToTheLogInTheCurrentDirectory) {
    const std::string report = "Wind: Calm:0\r\nTemperature: 55 F (13 C)\r\n";
    const auto before = std::filesystem::current_path();
    testing::TempDir dir;
    std::filesystem::current_path(dir.Path());
    testing::WriteFile("r.txt", report);
    const Outcome plain = Decode({"r.txt"});
    const bool loggedWithout = std::filesystem::exists("METAR.LOG");
    const Outcome logged = Decode({"--log", "r.txt", "r.txt"});
    const std::string log = testing::ReadFile("METAR.LOG");
    std::filesystem::current_path(before);
    EXPECT_EQ(plain.status, 0);
    EXPECT_FALSE(loggedWithout);
    EXPECT_EQ(logged.status, 0);
    EXPECT_EQ(log, report + "\r\n" + report + "\r\n");
}

// The reading stands, but a log that was asked for and not written is a failure of the run.
TEST(DecodeCommandTest, ALogThatWasNotWrittenGivesStatus1) {
    const auto before = std::filesystem::current_path();
    testing::TempDir dir;
    std::filesystem::current_path(dir.Path());
    std::filesystem::create_directory("METAR.LOG");
    const Outcome logged = Decode({"--log", Reports + "CYVR.TXT"});
    std::filesystem::current_path(before);
    EXPECT_EQ(logged.status, 1);
    ASSERT_EQ(logged.lines.size(), 1u);
    EXPECT_TRUE(Has(logged.lines[0], "\"OTemp\": 55")) << logged.lines[0];
}

TEST(DecodeCommandTest, AFailedWriteOfTheOutputEndsWithAMessageAndStatus1) {
    std::istringstream in;
    std::ostream out(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunDecode({Reports + "CYVR.TXT"}, in, out, err), 1);
    EXPECT_TRUE(Has(err.str(), "stormbell-cli decode: the output could not be written"))
        << err.str();
}

} // namespace
} // namespace stormbell
