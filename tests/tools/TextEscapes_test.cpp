#include "tools/cli/TextEscapes.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/cli/ObservationJson.h"

namespace stormbell {
namespace {

TEST(TextEscapesTest, TerminalTextCarriesNoControlsAndNoStrayBytes) {
    struct Case {
        std::string text, printed;
    } cases[] = {
        {"No such file", "No such file"},
        {"\x1b[31mred\x1b]0;title\x07", "\\x1b[31mred\\x1b]0;title\\x07"},
        {"line\r\nnext\x7f", "line\\x0d\\x0anext\\x7f"},
        {"C1 \xc2\x9b"
         "2J",
         "C1 \\xc2\\x9b2J"}, // U+009B, the one-byte CSI
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8c\xa7", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8c\xa7"},
        {"caf\xe9", "caf\\xe9"},                   // Latin-1, not UTF-8
        {"\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80", // overlong, surrogate, above U+10FFFF
         "\\xc0\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80"},
        {"cut \xe2\x82", "cut \\xe2\\x82"},
        {"a\\x1b", "a\\x5cx1b"}, // a backslash cannot pass for an escape
        {"", "(the error came without a message)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorText(c.text), c.printed) << c.printed;
}

TEST(TextEscapesTest, JsonStringsAreValidUtf8) {
    struct Case {
        std::string text, json;
    } cases[] = {
        {"caf\xc3\xa9 \xf0\x9f\x8c\xa7", "\"caf\xc3\xa9 \xf0\x9f\x8c\xa7\""},
        {"caf\xe9!", "\"caf\\ufffd!\""},
        {"\xe2\x82", "\"\\ufffd\\ufffd\""},
        {"\"q\" \\ \x01\x7f", "\"\\\"q\\\" \\\\ \\u0001\\u007f\""},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        WriteJsonString(out, c.text);
        EXPECT_EQ(out.str(), c.json);
    }
}

} // namespace
} // namespace stormbell
