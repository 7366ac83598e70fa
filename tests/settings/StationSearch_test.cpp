#include "settings/stations/StationSearch.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

std::vector<std::string> FoundIdentifiers(std::string_view typed) {
    static const StationSearch search;
    std::vector<std::string> identifiers;
    for (int row : search.Find(typed))
        identifiers.push_back(StationDirectory()[static_cast<std::size_t>(row)].Identifier);
    return identifiers;
}

// Every word typed must be in the row's text or identifier; case, accents and punctuation count
// on neither side.
TEST(StationSearchTest, FindsTheRowsHoldingEveryWordTyped) {
    const struct {
        const char* typed;
        std::vector<std::string> identifiers;
    } cases[] = {{"z\u00fcrich", {"LSZH"}},
                 {"Zurich kloten", {"LSZH"}},
                 {"ZURICH-KLOTEN", {"LSZH"}},
                 {"london heathrow", {"EGLL"}},
                 {"lszh", {"LSZH"}},
                 {"wa seattle", {"KBFI", "KSEA"}},
                 {"Sao Paulo", {"SBGR"}},
                 {"S\u00e3o  Paulo!", {"SBGR"}},
                 {"\u0141\u00f3d\u017a", {"EPLL"}},
                 {"st. john\u2019s", {"CYYT", "KJST"}},
                 {"kwey", {"KWEY"}},
                 {"xyzzy", {}},
                 {"seattle xyzzy", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(FoundIdentifiers(c.typed), c.identifiers) << c.typed;
}

TEST(StationSearchTest, TextWithoutWordsFindsEveryRowInOrder) {
    for (const char* typed : {"", " ", "-,/"}) {
        const auto rows = StationSearch().Find(typed);
        ASSERT_EQ(rows.size(), std::size_t{kStationCount}) << typed;
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end())) << typed;
    }
}

// The directory's text is single bytes, so a Latin-1 accent folds as a typed one does.
TEST(StationSearchTest, LatinOneTextFoldsAsTypedText) {
    EXPECT_EQ(FoldForSearch("Z\xfcrich-Kloten \xc6r\xf8", false), "zurich kloten aero");
    EXPECT_EQ(FoldForSearch("Z\u00fcrich \u00df", true), "zurich ss");
    EXPECT_EQ(FoldForSearch("Z\xfcrich", true), "zurich");
}

} // namespace
} // namespace stormbell
