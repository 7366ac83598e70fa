#include "app/DescriptionLines.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(JoinLinesTest, EachPieceOnLinesOfItsOwnWithoutATrailingLineEnd) {
    const struct {
        std::initializer_list<std::string_view> pieces;
        std::string joined;
    } cases[] = {
        {{"Fetching a report now.", "Wind calm"}, "Fetching a report now.\nWind calm"},
        {{"", "Wind calm", ""}, "Wind calm"},
        // The history's note closes each of its lines.
        {{"Wind calm", "Rising slowly.\nStored.\n"}, "Wind calm\nRising slowly.\nStored."},
        {{"Wind calm\n", "\n", "Started without the session bus."},
         "Wind calm\nStarted without the session bus."},
        {{"a\n\n", "b"}, "a\n\nb"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinLines(c.pieces), c.joined) << c.joined;
}

} // namespace
} // namespace stormbell
