// The core's own wording: patterns filled in any order, and the English forms of dates and counts.
#include "platform/Wording.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(Wording, FillPutsEachArgumentWhereItsMarkerStands) {
    const struct {
        const char* pattern;
        std::initializer_list<std::string> args;
        const char* filled;
    } cases[] = {
        {"Wind from %1 (%2°) at %3", {"NW", "315", "9 knots"}, "Wind from NW (315°) at 9 knots"},
        {"%2, %1", {"a", "b"}, "b, a"},
        {"%1 %1", {"x"}, "x x"},
        // An argument that holds a marker is not filled again.
        {"%1 and %2", {"%2", "y"}, "%2 and y"},
        {"Humidity 50 %", {}, "Humidity 50 %"},
        {"%3 missing", {"a"}, "%3 missing"},
        {"ends in %", {"a"}, "ends in %"},
        {"%0 stays", {"a"}, "%0 stays"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fill(c.pattern, c.args), c.filled) << c.pattern;
}

TEST(Wording, EnglishDatesKeepTheirFormsAndWrapADamagedMonth) {
    std::tm march{};
    march.tm_year = 126;
    march.tm_mon = 2;
    march.tm_mday = 5;
    march.tm_hour = 9;
    march.tm_min = 7;
    std::tm damaged = march;
    damaged.tm_mon = 14;
    const struct {
        std::tm local;
        DateForm form;
        const char* text;
    } cases[] = {
        {march, DateForm::Time, "09:07"},
        {march, DateForm::DayAndTime, "Mar 5 09:07"},
        {march, DateForm::DayCommaTime, "Mar 5, 09:07"},
        {march, DateForm::DayYearAndTime, "Mar 5, 2026 09:07"},
        {march, DateForm::DayYearCommaTime, "Mar 5, 2026, 09:07"},
        {damaged, DateForm::DayAndTime, "Mar 5 09:07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(English().Date(c.local, c.form), c.text) << c.text;
}

TEST(Wording, CountsTakeTheSingularForOneOnly) {
    const Words say(English(), "Tooltip");
    const struct {
        long long count;
        const char* text;
    } cases[] = {{0, "0 knots"}, {1, "1 knot"}, {2, "2 knots"}, {-1, "-1 knots"}};
    for (const auto& c : cases)
        EXPECT_EQ(say.Count(c.count, "%1 knot", "%1 knots"), c.text);
    EXPECT_EQ(English().Number("-19.4"), "-19.4");
    EXPECT_EQ(English().Text("Tooltip", "Wind calm"), "Wind calm");
}

} // namespace
} // namespace stormbell
