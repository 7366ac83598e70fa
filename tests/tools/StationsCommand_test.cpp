#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "settings/stations/StationDirectory.h"
#include "tools/cli/Commands.h"

namespace stormbell {
namespace {

TEST(StationsCommandTest, WritesEveryRowNumberedAndTabSeparated) {
    std::ostringstream out, err;
    ASSERT_EQ(RunStations({}, out, err), 0);
    std::istringstream lines(out.str());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const auto& row = StationDirectory()[count];
        EXPECT_EQ(line, std::to_string(count) + '\t' + row.DisplayText + '\t' + row.Identifier);
        ++count;
    }
    EXPECT_EQ(count, kStationCount);
    EXPECT_NE(out.str().find("\n1987\tUS,MO,Joplin, Joplin Regional Airport\tKJLN\n"),
              std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST(StationsCommandTest, AFailedWriteEndsWithAMessageAndStatus1) {
    std::ostream out(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunStations({}, out, err), 1);
    EXPECT_EQ(err.str(), "stormbell-cli stations: the output could not be written\n");
}

TEST(StationsCommandTest, FindWritesTheMatchingStationsBestFirstOr1) {
    const struct {
        const char* typed;
        const char* out;
        int status;
    } cases[] = {{"heathrow", "EGLL\tUnited Kingdom ,London / Heathrow Airport\n", 0},
                 {"lhr", "EGLL\tLHR \u2192 United Kingdom, London / Heathrow Airport\n", 0},
                 {"xyzzy", "", 1},
                 {"\u043c\u043e\u0441\u043a\u0432\u0430", "", 1},
                 {"-,/", "", 1}};
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunStations({"--find", c.typed}, out, err), c.status) << c.typed;
        EXPECT_EQ(out.str(), c.out) << c.typed;
        EXPECT_EQ(err.str().empty(), c.status == 0) << c.typed;
    }
}

TEST(StationsCommandTest, ArgumentIsAUsageError) {
    std::ostringstream out, err;
    EXPECT_EQ(RunStations({"KJLN"}, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("takes no arguments"), std::string::npos);
}

} // namespace
} // namespace stormbell
