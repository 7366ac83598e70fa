#include "observation/ReportLines.h"

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(ReportLinesTest, SplitsAtEveryKindOfLineEnd) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, // the empty line after a report survives
        {"a\n\rb", {"a", "", "b"}},     // LF then CR is two line ends
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitReportLines(c.text), c.lines) << ::testing::PrintToString(c.text);
}

} // namespace
} // namespace stormbell
