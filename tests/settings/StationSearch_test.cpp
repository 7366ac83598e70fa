#include "settings/stations/StationSearch.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

const StationSearch& BuiltInSearch() {
    static const StationSearch search;
    return search;
}

std::string FirstFound(std::string_view typed) {
    const auto found = BuiltInSearch().Find(typed);
    return found.empty() ? "" : std::string(found.front().Identifier);
}

// What people type, and a station of the place they mean, which must come first.
TEST(StationSearchTest, TheMeantPlaceComesFirst) {
    const struct {
        const char* typed;
        const char* first;
    } cases[] = {
        // everyday queries
        {"seattle", "KSEA"},
        {"zurich", "LSZH"},
        {"heathrow", "EGLL"},
        {"london", "EGLL"},
        {"paris", "LFPG"},
        {"sao paulo", "SBGR"},
        {"new york", "KJFK"},
        {"los angeles", "KLAX"},
        {"chicago", "KORD"},
        {"tokyo", "RJTT"},
        {"sydney", "YSSY"},
        {"munich", "EDDM"},
        {"muenchen", "EDDM"},
        {"koeln", "EDDK"},
        {"cologne", "EDDK"},
        {"montreal", "CYUL"},
        {"mexico city", "MMMX"},
        {"reykjavik", "BIKF"},
        {"anchorage", "PANC"},
        {"honolulu", "PHNL"},
        {"denver", "KDEN"},
        {"boston", "KBOS"},
        {"miami", "KMIA"},
        {"frankfurt", "EDDF"},
        {"berlin", "EDDB"},
        {"madrid", "LEMD"},
        {"rome", "LIRF"},
        {"oslo", "ENGM"},
        {"helsinki", "EFHK"},
        {"cape town", "FACT"},
        // the place's own language, and its accents
        {"M\u00fcnchen", "EDDM"},
        {"K\u00f6ln", "EDDK"},
        {"roma", "LIRF"},
        {"torino", "LIMF"},
        {"G\u00f6teborg", "ESGG"},
        {"goeteborg", "ESGG"},
        {"N\u00fcrnberg", "EDDN"},
        {"nuernberg", "EDDN"},
        {"Bucure\u0219ti", "LROP"},
        {"beograd", "LYBE"},
        {"wien", "LOWW"},
        {"warszawa", "EPWA"},
        {"\u0141\u00f3d\u017a", "EPLL"},
        {"S\u00e3o  Paulo!", "SBGR"},
        // English names
        {"gothenburg", "ESGG"},
        {"nuremberg", "EDDN"},
        {"bucharest", "LROP"},
        {"belgrade", "LYBE"},
        {"vienna", "LOWW"},
        {"prague", "LKPR"},
        {"peking", "ZBAA"},
        {"saigon", "VVTS"},
        // airport codes and identifiers, in either case
        {"lhr", "EGLL"},
        {"JFK", "KJFK"},
        {"cdg", "LFPG"},
        {"lszh", "LSZH"},
        {"KWEY", "KWEY"},
        // a city before a same-named town, and before a station whose identifier is its name
        {"san jose", "KSJC"},
        {"birmingham", "EGBB"},
        {"lima", "SPJC"},
        {"washington", "KDCA"},
        // a whole word before the same letters inside a word
        {"turin", "LIMF"},
        {"maturin", "SVMT"},
        // words anywhere in the text
        {"london heathrow", "EGLL"},
        {"wa seattle", "KSEA"},
        {"Zurich kloten", "LSZH"},
        {"st. john\u2019s", "CYYT"},
        {"east london", "FAEL"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstFound(c.typed), c.first) << c.typed;
}

// The groups in order: exact identifier or code, whole name, start of a word, inside a word;
// within a group the main airport first.
TEST(StationSearchTest, RanksWholeNamesBeforeWordStartsBeforeInsideWords) {
    const struct {
        const char* typed;
        const char* before;
        const char* after;
    } cases[] = {
        {"rome", "LIRF", "KRMG"},   // Rome, then Rome R. B. Russell Airport
        {"rome", "KRMG", "SAEZ"},   // ... then an Aerodrome
        {"london", "EGLL", "FAEL"}, // London before East London
        {"paris", "LFPG", "LFPO"},  // the larger airport of the city first
        {"seattle", "KSEA", "KBFI"}, {"chicago", "KORD", "KMDW"}, {"turin", "LIMF", "SVMT"},
        {"mexico", "MMMX", "MMMY"}, // the capital before the country's other main airports
    };
    for (const auto& c : cases) {
        const auto found = BuiltInSearch().Find(c.typed);
        const auto at = [&](std::string_view identifier) {
            return std::find_if(found.begin(), found.end(),
                                [&](const StationMatch& m) { return m.Identifier == identifier; }) -
                   found.begin();
        };
        ASSERT_LT(at(c.after), static_cast<long>(found.size())) << c.typed << ' ' << c.after;
        EXPECT_LT(at(c.before), at(c.after)) << c.typed;
    }
}

TEST(StationSearchTest, LabelTellsTheNameThatFoundTheStation) {
    const struct {
        const char* typed;
        const char* label;
    } cases[] = {
        {"munich", "Munich \u2192 Germany, Munchen"},
        {"lhr", "LHR \u2192 United Kingdom, London / Heathrow Airport"},
        {"munchen", "Germany ,Munchen"},
        {"heathrow", "United Kingdom ,London / Heathrow Airport"},
        {"seattle", "Seattle \u2192 US,WA,Seattle-Tacoma International Airport"},
        {"birk", "BIRK Reykjavik, Iceland (not in the list: fetched by its identifier)"},
    };
    for (const auto& c : cases) {
        const auto found = BuiltInSearch().Find(c.typed);
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(MatchLabel(found.front()), c.label) << c.typed;
    }
}

// A station the directory lacks is offered by its identifier, after the directory's own.
TEST(StationSearchTest, OffersStationsTheDirectoryLacksAfterItsRows) {
    const auto found = BuiltInSearch().Find("reykjavik");
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].Identifier, "BIKF");
    EXPECT_GE(found[0].Row, 0);
    EXPECT_EQ(found[1].Identifier, "BIRK");
    EXPECT_EQ(found[1].Row, -1);
    EXPECT_FALSE(StationRowOf("BIRK"));
}

TEST(StationSearchTest, TextWithoutLettersFindsNothingAndBlankTextEveryRow) {
    const struct {
        const char* typed;
        std::size_t count;
    } cases[] = {
        {"", kStationCount}, {"  ", kStationCount}, {"\u043c\u043e\u0441\u043a\u0432\u0430", 0},
        {"-,/", 0},          {"\u6771\u4eac", 0},   {"xyzzy", 0},
        {"seattle xyzzy", 0}};
    for (const auto& c : cases) {
        const auto found = BuiltInSearch().Find(c.typed);
        EXPECT_EQ(found.size(), c.count) << c.typed;
        for (std::size_t i = 0; i < found.size(); ++i)
            ASSERT_EQ(found[i].Row, static_cast<int>(i)) << c.typed;
    }
}

TEST(StationSearchTest, SearchesTheRowsItIsGiven) {
    const std::vector<StationRow> rows = {{"Atlantis ,Harbour", "XATL"}, {"Lemuria ,Port", "XLEM"}};
    const PlaceNames names{{{"Poseidonia", "XATL", 1}}, {{"ATL", "XATL"}}, {}, {}};
    const StationSearch search(rows, names);
    EXPECT_EQ(search.Find("port").size(), 1u);
    EXPECT_EQ(search.Find("port").front().Identifier, "XLEM");
    EXPECT_EQ(MatchLabel(search.Find("poseidonia").front()), "Poseidonia \u2192 Atlantis, Harbour");
    EXPECT_EQ(search.Find("atl").front().Identifier, "XATL");
    EXPECT_TRUE(search.Find("london").empty());
}

// The directory's text is single bytes, so a Latin-1 accent folds as a typed one does.
TEST(StationSearchTest, LatinOneTextFoldsAsTypedText) {
    EXPECT_EQ(FoldForSearch("Z\xfcrich-Kloten \xc6r\xf8", false), "zurich kloten aero");
    EXPECT_EQ(FoldForSearch("Z\u00fcrich \u00df", true), "zurich ss");
    EXPECT_EQ(FoldForSearch("Z\xfcrich", true), "zurich");
}

} // namespace
} // namespace stormbell
