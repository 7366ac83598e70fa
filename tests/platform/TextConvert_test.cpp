#include "platform/TextConvert.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

TEST(TextConvertTest, CutIsOneBasedAndForgiving) {
    struct Case {
        const char* line;
        long long start, count;
        const char* expected;
    } cases[] = {
        {"Wind: Calm:0", 7, 4, "Calm"},
        {"abc", 1, 3, "abc"},
        {"abc", 0, 2, "ab"}, // start below 1 counts as 1
        {"abc", -5, 2, "ab"},
        {"abc", 2, 99, "bc"}, // count past the end stops there
        {"abc", 4, 1, ""},    // start past the end
        {"abc", 2, 0, ""},
        {"abc", 2, -3, ""},
        {"", 1, 1, ""},
        {"abc", std::numeric_limits<long long>::max(), 1, ""},
        {"abc", 1, std::numeric_limits<long long>::max(), "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cut(c.line, c.start, c.count), c.expected) << c.line << " " << c.start;
}

TEST(TextConvertTest, FindGivesFirstOneBasedPositionOrZero) {
    EXPECT_EQ(Find("(", "Temperature: 55 F (13 C)"), 19);
    EXPECT_EQ(Find("C", "Temperature: 55 F (13 C)"), 23);
    EXPECT_EQ(Find("KT", "at 15 MPH (13 KT) gusting to 25 MPH (22 KT)"), 15);
    EXPECT_EQ(Find("x", "abc"), 0);
    EXPECT_EQ(Find("c", "C"), 0); // case-sensitive
    EXPECT_EQ(Find("a", ""), 0);
}

TEST(TextConvertTest, FloatReadsDecimalNumbersOnly) {
    struct Case {
        const char* text;
        double value;
    } good[] = {
        {"13", 13},    {"-4.4", -4.4},   {"+2", 2},       {"30.09", 30.09},
        {"1e3", 1000}, {"2.5E-1", 0.25}, {".5", 0.5},     {"5.", 5},
        {"  7", 7},    {"-0", 0},        {"0000012", 12},
    };
    for (const auto& c : good) {
        ASSERT_TRUE(TryStrToFloat(c.text).has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*TryStrToFloat(c.text), c.value) << c.text;
    }
    const char* bad[] = {"",    " ",    "-",   ".",   "1,5", "12 ",  "1e",    "e5",  "0x10", "inf",
                         "nan", "1..2", "--1", "1e+", "abc", "13 C", "1e400", "+-1", "\t3",  "3\n"};
    for (const char* text : bad)
        EXPECT_FALSE(TryStrToFloat(text).has_value()) << "'" << text << "'";
}

TEST(TextConvertTest, ConversionErrorsNameTheText) {
    const auto floatError = Thrown<EConvertError>([] { StrToFloat("5.5x"); });
    const auto intError = Thrown<EConvertError>([] { StrToInt(""); });
    ASSERT_TRUE(floatError && intError);
    EXPECT_STREQ(floatError->what(), "'5.5x' is not a valid floating point value");
    EXPECT_STREQ(intError->what(), "'' is not a valid integer value");
}

TEST(TextConvertTest, IntReadsSignedThirtyTwoBitWholeNumbers) {
    EXPECT_EQ(StrToInt("090"), 90);
    EXPECT_EQ(StrToInt("  -12"), -12);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    const char* bad[] = {"",    "2147483648", "-2147483649", "99999999999999999999",
                         "1.5", "12 ",        "VRB",         "-",
                         "+",   " ",          "1e2"};
    for (const char* text : bad)
        EXPECT_FALSE(TryStrToInt(text).has_value()) << "'" << text << "'";
}

TEST(TextConvertTest, TextForms) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-45), "-45");

    struct Case {
        double value;
        const char* general;
        const char* fixed;
    } cases[] = {
        {30.0, "30", "30.00"},
        {29.979999999999997, "29.98", "29.98"},
        {30.016, "30.016", "30.02"},
        {29.98 + 0.04, "30.02", "30.02"},
        {-30.0, "-30", "-30.00"},
        {72.5, "72.5", "72.50"},
        {-0.0, "0", "0.00"},
        {0.1 + 0.2, "0.3", "0.30"},
        {100.0, "100", "100.00"},
        {100.04, "100.04", "100.00"}, // four significant digits come first
        {1e20, "1e+20", "100000000000000000000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatToStrGeneral(c.value), c.general) << c.value;
        EXPECT_EQ(FloatToStrFixed(c.value), c.fixed) << c.value;
    }
    // Four digits of the largest double round past it; the text must still be that size.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(FloatToStrFixed(largest).size(), 312u);
    EXPECT_EQ(FloatToStrFixed(-largest).substr(0, 4), "-179");
}

TEST(TextConvertTest, FixedRoundsToTheDecimalsAskedWithoutANegativeZero) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {1013.2, 0, "1013"}, {2.345, 1, "2.3"},   {-0.04, 1, "0.0"},
        {-0.4, 0, "0"},      {-0.004, 2, "0.00"}, {-1.5, 1, "-1.5"},
        {-10.04, 0, "-10"},  {0.005, 2, "0.01"},  {1e20, 0, "100000000000000000000"},
        {-0.0, 2, "0.00"},   {29.92, 2, "29.92"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fixed(c.value, c.decimals), c.text) << c.value;
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::max(), 20).substr(0, 4), "-179");
}

// Only ASCII letters fold, so a Latin-1 byte never matches another in any locale.
TEST(TextConvertTest, CaseIsIgnoredForAsciiLettersOnly) {
    struct Case {
        const char *text, *other;
        bool equal, startsWith;
    } cases[] = {
        {"HTTPS://Host", "https://host", true, true},
        {"https://host", "HTTPS://", false, true},
        {"https:", "https://", false, false},
        {"\xc9t\xc9", "\xe9t\xe9", false, false},
        {"", "", true, true},
        {"ftp", "", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EqualIgnoringCase(c.text, c.other), c.equal) << c.text << " " << c.other;
        EXPECT_EQ(StartsWithIgnoringCase(c.text, c.other), c.startsWith)
            << c.text << " " << c.other;
    }
}

TEST(TextConvertTest, TrimmedDropsBlanksAndLineEndsAtEitherEnd) {
    EXPECT_EQ(Trimmed(" \tHTTP/1.1 200 OK \r\n"), "HTTP/1.1 200 OK");
    EXPECT_EQ(Trimmed("a \t b"), "a \t b");
    EXPECT_EQ(Trimmed(" \r\n\t"), "");
}

// Report text is Latin-1 whatever the locale; C1 controls stay controls for the escaping to find.
TEST(TextConvertTest, Latin1BecomesUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"KJLN \x01\x7f", "KJLN \x01\x7f"},
        {"Z\xfcrich", "Z\xc3\xbcrich"},
        {"\x80\x9b\xa0\xb0\xff", "\xc2\x80\xc2\x9b\xc2\xa0\xc2\xb0\xc3\xbf"},
    };
    for (const auto& [bytes, utf8] : cases)
        EXPECT_EQ(Latin1ToUtf8(bytes), utf8) << bytes;
}

TEST(TextConvertTest, RoundingHalvesToEvenAndTruncationTowardZero) {
    struct Case {
        double value, rounded, truncated;
    } cases[] = {
        {16.5, 16, 16}, {17.5, 18, 17}, {-2.5, -2, -2}, {-3.5, -4, -3}, {0.5, 0, 0},
        {16.7, 17, 16}, {-4.4, -4, -4}, {-4.6, -5, -4}, {2.4999, 2, 2}, {-0.5, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
        EXPECT_EQ(Truncate(c.value), c.truncated) << c.value;
    }
}

// The report always uses a point; a user locale with a decimal comma must change nothing.
TEST(TextConvertTest, CommaLocaleChangesNothing) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const double parsed = StrToFloat("30.09");
    const std::string general = FloatToStrGeneral(29.98);
    const std::string fixed = FloatToStrFixed(30.016);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_DOUBLE_EQ(parsed, 30.09);
    EXPECT_EQ(general, "29.98");
    EXPECT_EQ(fixed, "30.02");
}

} // namespace
} // namespace stormbell
