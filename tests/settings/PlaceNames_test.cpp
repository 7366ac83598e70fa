#include "settings/stations/PlaceNames.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "settings/stations/StationDirectory.h"
#include "settings/stations/StationSearch.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

bool Published(std::string_view identifier) {
    return StationRowOf(identifier) || IsUnlistedStation(identifier);
}

// Every other name leads to a station the gauge can fetch.
TEST(PlaceNamesTest, EveryNameNamesAStationThatExists) {
    const PlaceNames& names = BuiltInPlaceNames();
    for (const CityName& city : names.Cities)
        EXPECT_TRUE(Published(city.Identifier)) << city.Name;
    for (const AirportCode& code : names.Airports)
        EXPECT_TRUE(Published(code.Identifier)) << code.Code;
    for (std::string_view main : names.MainAirports)
        EXPECT_TRUE(Published(main)) << main;
    for (const UnlistedStation& station : names.Unlisted)
        EXPECT_FALSE(StationRowOf(station.Identifier)) << station.Identifier;
}

// Two places that share a name are told apart by their rank; a code names one airport.
TEST(PlaceNamesTest, NoSharedNameWithoutARankBetweenThePlaces) {
    const PlaceNames& names = BuiltInPlaceNames();
    std::map<std::string, std::map<std::string_view, int>> placesByName;
    std::map<int, std::string_view> stationOfRank;
    for (const CityName& city : names.Cities) {
        placesByName[FoldForSearch(city.Name, true)][city.Identifier] = city.Rank;
        const auto [at, added] = stationOfRank.emplace(city.Rank, city.Identifier);
        EXPECT_EQ(at->second, city.Identifier) << "rank " << city.Rank << " names two cities";
    }
    for (const auto& [name, places] : placesByName) {
        std::set<int> ranks;
        for (const auto& [identifier, rank] : places)
            ranks.insert(rank);
        EXPECT_EQ(ranks.size(), places.size()) << name;
    }
    std::set<std::string_view> codes;
    for (const AirportCode& code : names.Airports)
        EXPECT_TRUE(codes.insert(code.Code).second) << code.Code;
}

TEST(PlaceNamesTest, CoversThreeHundredCitiesOfTheDirectory) {
    std::set<int> served;
    for (const CityName& city : BuiltInPlaceNames().Cities)
        if (StationRowOf(city.Identifier))
            served.insert(city.Rank);
    EXPECT_GE(served.size(), 300u);
}

TEST(PlaceNamesTest, MalformedEntryThrowsNamingItsLine) {
    const std::string ok = "A\tLHR\tEGLL\n";
    const struct {
        const char* entry;
        const char* fault;
    } cases[] = {
        {"X\tLHR\tEGLL", "unknown kind"},        {"A\tLHR", "number of fields"},
        {"C\tMunich\tEDDM", "number of fields"}, {"C\t\tEDDM\t1", "empty field"},
        {"C\tMunich\tEDDM\t0", "rank"},          {"C\tMunich\tEDDM\t1x", "rank"},
        {"A\tLH\tEGLL", "airport code"},         {"A\tLHR\tegll", "identifier"},
        {"U\tEGL\tLondon", "identifier"},        {"", "unknown kind"},
    };
    for (const auto& c : cases) {
        const auto error = Thrown<std::runtime_error>(
            [&] { ParsePlaceNames("# note\n" + ok + c.entry + "\n" + ok); });
        ASSERT_TRUE(error) << c.entry;
        EXPECT_NE(std::string(error->what()).find("line 3: "), std::string::npos) << c.entry;
        EXPECT_NE(std::string(error->what()).find(c.fault), std::string::npos) << error->what();
    }
}

} // namespace
} // namespace stormbell
