#include "settings/WindowPlace.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(WindowPlaceTest, ReadsFourWholeNumbersWithASize) {
    const struct {
        const char* text;
        std::optional<WindowPlace> place;
    } cases[] = {
        {"10,20,800,600", WindowPlace{10, 20, 800, 600}},
        {"-1366,-5,640,480", WindowPlace{-1366, -5, 640, 480}},
        {"", std::nullopt},
        {"10,20,800", std::nullopt},
        {"10,20,800,600,1", std::nullopt},
        {"10,20,0,600", std::nullopt},
        {"10,20,800,-600", std::nullopt},
        {"10,20,800,600x", std::nullopt},
        {"10,,800,600", std::nullopt},
        {"40000,20,800,600", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseWindowPlace(c.text), c.place) << c.text;
        if (c.place) {
            EXPECT_EQ(WindowPlaceText(*c.place), c.text);
        }
    }
}

// A place left on a larger screen, or on a screen now gone, is brought onto the screen there is.
TEST(WindowPlaceTest, FitsOnA1366By768Screen) {
    const WindowPlace screen{0, 32, 1366, 704}; // below a title bar, above a panel
    const WindowPlace least{0, 0, 500, 400};
    const struct {
        const char* name;
        WindowPlace place;
        WindowPlace fitted;
    } cases[] = {
        {"within: kept", {100, 100, 800, 560}, {100, 100, 800, 560}},
        {"low on the screen: raised", {100, 500, 800, 560}, {100, 176, 800, 560}},
        {"taller than the screen: shrunk", {100, 50, 800, 900}, {100, 32, 800, 704}},
        {"left of the screen", {-2000, 100, 800, 560}, {0, 100, 800, 560}},
        {"right of the screen", {1900, 100, 800, 560}, {566, 100, 800, 560}},
        {"above the screen", {100, -300, 800, 560}, {100, 32, 800, 560}},
        {"smaller than the least", {100, 100, 200, 100}, {100, 100, 500, 400}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FittedOnScreen(c.place, screen, least), c.fitted) << c.name;
}

} // namespace
} // namespace stormbell
