#include "settings/stations/RecentStations.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(RecentStationsTest, APickComesFirstOnceAndTheSixthGoes) {
    const struct {
        const char* stored;
        const char* picked;
        const char* result;
    } cases[] = {
        {"", "KSEA", "KSEA"},
        {"KSEA", "EGLL", "EGLL,KSEA"},
        {"EGLL,KSEA", "KSEA", "KSEA,EGLL"},
        {"A001,A002,A003,A004,A005", "KSEA", "KSEA,A001,A002,A003,A004"},
        {"A001,A002,A003,A004,A005", "A005", "A005,A001,A002,A003,A004"},
        {"KSEA", "ksea", "KSEA"},                  // not as a station is named
        {"KSEA", "KSEA.TXT", "KSEA"},              // a file, not a station
        {"KSEA,,x,KSEA,EGL", "EDDM", "EDDM,KSEA"}, // damage is dropped
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithRecentStation(c.stored, c.picked), c.result) << c.stored << ' ' << c.picked;
}

TEST(RecentStationsTest, ListKeepsFiveIdentifiersNewestFirst) {
    EXPECT_EQ(RecentStationList("A001,A002,A003,A004,A005,A006"),
              (std::vector<std::string>{"A001", "A002", "A003", "A004", "A005"}));
    EXPECT_EQ(RecentStationList("EGLL;KSEA,KSEA,\xff\xfe\xfd\xfc,EDDM"),
              (std::vector<std::string>{"KSEA", "EDDM"}));
    EXPECT_TRUE(RecentStationList("").empty());
}

TEST(RecentStationsTest, LabelNamesTheStationByItsRowOrTheService) {
    EXPECT_EQ(RecentStationLabel("KJLN"), "KJLN  US,MO,Joplin, Joplin Regional Airport");
    EXPECT_EQ(RecentStationLabel("BIRK"), "BIRK  Reykjavik, Iceland");
    EXPECT_EQ(RecentStationLabel("ZZZZ"), "ZZZZ");
}

} // namespace
} // namespace stormbell
