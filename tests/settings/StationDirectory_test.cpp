#include "settings/stations/StationDirectory.h"

#include <algorithm>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

TEST(StationTableTest, ParsesRowsSkippingNotesUpToTheLongestText) {
    const auto rows = ParseStationTable("# note\tXXXX\nAlbania ,Tirana\tLATI\n"
                                        "US,MO,Joplin, Joplin Regional Airport\tKJLN");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].DisplayText, "Albania ,Tirana");
    EXPECT_EQ(rows[0].Identifier, "LATI");
    EXPECT_EQ(rows[1].DisplayText, "US,MO,Joplin, Joplin Regional Airport");
    EXPECT_EQ(rows[1].Identifier, "KJLN");
    EXPECT_TRUE(ParseStationTable("").empty());
    EXPECT_EQ(ParseStationTable(std::string(82, 'a') + "\tLATI\n").at(0).DisplayText.size(), 82u);
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

TEST(StationDirectoryTest, IdentifierOfARowAndRowOfAnIdentifier) {
    const std::pair<int, const char*> stations[] = {
        {0, "LATI"}, {1987, "KJLN"}, {2041, "KWEY"}, {kStationCount - 1, "FVFA"}};
    for (const auto& [row, identifier] : stations) {
        EXPECT_EQ(StationIdentifier(row), identifier) << row;
        EXPECT_EQ(StationRowOf(identifier), row) << identifier;
    }
    for (const long long row : {-1LL, static_cast<long long>(kStationCount), 1LL << 40})
        EXPECT_EQ(StationIdentifier(row), std::nullopt) << row;
    for (const char* identifier : {"kjln", "KJL", "", "KJLN.TXT"})
        EXPECT_EQ(StationRowOf(identifier), std::nullopt) << identifier;
}

// A station's file is named after it; a file's identifier is its first four characters.
TEST(StationFileTest, FileNamesAndTheirIdentifiers) {
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"KJLN", "KJLN.TXT", false, "KJLN"},
        {"KJLN.TXT", "KJLN.TXT.TXT", true, "KJLN"},
        {"kjln.txt", "kjln.txt.TXT", false, "kjln"},
        {"ABC.TXT", "ABC.TXT.TXT", true, "ABC."},
        {"", ".TXT", false, ""}};
    for (const auto& [text, file, isFile, identifier] : cases) {
        EXPECT_EQ(StationFileName(text), file) << text;
        EXPECT_EQ(IsStationFileName(text), isFile) << text;
        EXPECT_EQ(StationIdOf(text), identifier) << text;
    }
}

TEST(StationDirectoryTest, HoldsTheFixedRowsAtTheirNumbers) {
    struct Case {
        int row;
        const char* text;
        const char* identifier;
    } cases[] = {
        {0, "Albania ,Tirana", "LATI"},
        {1, "Algeria ,Annaba", "DABB"},
        {11, "Antigua and Barbuda ,Vc Bird International Airport Antigua", "TAPA"},
        {42, "Aruba ,Queen Beatrix Airport, Aruba", "TNCA"},
        {73, "Belarus ,Station name not available", "UMMM"},
        {74, "Belarus ,Station name not available", "UMWW"},
        {296, "Cuba ,Guantanamo, Oriente", "MUGT"},
        {297, "Cuba ,Guantanamo, Oriente", "MUGM"},
        {1278, "Tuvalu ,Funafuti", "NGFU"},
        {1279, "US,AK,Adak, Naval Air Station", "PADK"},
        {1280, "US,AK,Ambler", "PAFM"},
        {1987, "US,MO,Joplin, Joplin Regional Airport", "KJLN"},
        {2040, "US,MT,West Yellowstone", "KWYS"},
        {2041, "US,MT,West Yellowstone", "KWEY"},
        {2332, "US,Station name not available", "PAUD"},
        {2431, "US,Station name not available", "PAFK"},
        {2662, "US,WY,Yellowstone Lake, Yellowstone Lake", "KP60"},
        {2663, "Uganda ,Entebbe Airport", "HUEN"},
        {2852, "Zimbabwe ,Victoria Falls", "FVFA"},
    };
    const auto& rows = StationDirectory();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kStationCount));
    for (const auto& c : cases) {
        EXPECT_EQ(rows[c.row].DisplayText, c.text) << c.row;
        EXPECT_EQ(rows[c.row].Identifier, c.identifier) << c.row;
    }
}

TEST(StationDirectoryTest, SortedByCharacterCodeWithUniqueIdentifiers) {
    const auto& rows = StationDirectory();
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.DisplayText < b.DisplayText;
    }));
    std::set<std::string> identifiers;
    for (const auto& row : rows)
        EXPECT_TRUE(identifiers.insert(row.Identifier).second) << row.Identifier;
}

TEST(StationDirectoryTest, EveryDisplayTextHasOneOfTheThreeForms) {
    const std::regex countryForm("[A-Z][^,]*[^ ,] ,[^ ].*");
    const std::regex stateForm(
        "US,(AK|AL|AR|AZ|CA|CO|CT|DE|FL|GA|HI|IA|ID|IL|IN|KS|KY|LA|MA|MD|ME|MI|MN|MO|MS|MT|NC|ND|"
        "NE|NH|NJ|NM|NV|NY|OH|OK|OR|PA|PR|RI|SC|SD|TN|TX|UT|VA|VT|WA|WI|WV|WY),"
        "[^ ,]([^,]*[^ ,])?(, [^ ].*)?");
    for (const auto& row : StationDirectory()) {
        const auto& text = row.DisplayText;
        EXPECT_TRUE(std::regex_match(text, countryForm) || std::regex_match(text, stateForm) ||
                    text == "US,Station name not available")
            << text;
        EXPECT_LE(text.size(), 82u) << text;
    }
}

} // namespace
} // namespace stormbell
