#include "settings/stations/StationDirectory.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

TEST(StationTableTest, ParsesRowsSkippingNotes) {
    const auto rows = ParseStationTable("# note\tXXXX\nAlbania ,Tirana\tLATI\n"
                                        "US,MO,Joplin, Joplin Regional Airport\tKJLN");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].DisplayText, "Albania ,Tirana");
    EXPECT_EQ(rows[0].Identifier, "LATI");
    EXPECT_EQ(rows[1].DisplayText, "US,MO,Joplin, Joplin Regional Airport");
    EXPECT_EQ(rows[1].Identifier, "KJLN");
    EXPECT_TRUE(ParseStationTable("").empty());
}

TEST(StationTableTest, MalformedRowThrowsNamingItsLine) {
    const std::string ok = "Albania ,Tirana\tLATI\n";
    struct Case {
        std::string row;
        const char* fault;
    } cases[] = {
        {"Albania ,Tirana LATI", "no tab"},
        {"\tLATI", "empty display text"},
        {std::string(83, 'a') + "\tLATI", "longer than 82"},
        {"Albania ,Tir\xe1na\tLATI", "not printable"},
        {"Albania ,Ti\x7frana\tLATI", "not printable"},
        {" Albania ,Tirana\tLATI", "blank at an end"},
        {"Albania ,Tirana \tLATI", "blank at an end"},
        {"Albania ,Tirana\tLAT", "not four"},
        {"Albania ,Tirana\tLATI\t", "not four"},
        {"Albania ,Tirana\tLATI\r", "not four"},
        {"Albania ,Tirana\tlati", "A-Z and 0-9"},
        {"Albania ,Tirana\tLA-I", "A-Z and 0-9"},
        {"", "no tab"},
    };
    for (const auto& c : cases) {
        const auto error =
            Thrown<std::runtime_error>([&] { ParseStationTable(ok + ok + c.row + "\n" + ok); });
        ASSERT_TRUE(error) << c.row;
        EXPECT_NE(std::string(error->what()).find("line 3: "), std::string::npos) << c.row;
        EXPECT_NE(std::string(error->what()).find(c.fault), std::string::npos) << error->what();
    }
}

TEST(StationTableTest, LongestDisplayTextIsAccepted) {
    EXPECT_EQ(ParseStationTable(std::string(82, 'a') + "\tLATI\n").at(0).DisplayText.size(), 82u);
}

} // namespace
} // namespace stormbell
