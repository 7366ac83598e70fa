#include "tools/cli/TextEscapes.h"

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/HistoryStore.h"
#include "tools/cli/Commands.h"
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

// What the user typed comes back in an error with its control characters escaped, once.
TEST(TextEscapesTest, UserInputInAnErrorReachesTheTerminalEscapedOnce) {
    using Command =
        std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
    const Command history = [](const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
        return RunHistory(args, out, err, std::filesystem::path("/nonexistent/history.db"));
    };
    struct Case {
        Command command;
        std::vector<std::string> args;
        std::string err;
        bool needsHistory = false;
    } cases[] = {
        {RunFetch,
         {"--host", "ftp://a\r\nb", "KJLN"},
         "stormbell-cli fetch: Nothing was sent to ftp://a\\x0d\\x0ab: Not an FTP server of "
         "the form name[:port]: ftp://a\\x0d\\x0ab\n"},
        {RunFetch,
         {"--host", "https://\x1b[2Jx\\y", "KJLN"},
         "stormbell-cli fetch: Nothing was sent to https://\\x1b[2Jx\\x5cy: Not an HTTPS server "
         "of the form https://name[:port]: https://\\x1b[2Jx\\x5cy\n"},
        {RunStations,
         {"--find", "\x1b[31mqq\nzz"},
         "stormbell-cli stations: no station matches \"\\x1b[31mqq\\x0azz\"\n"},
        {history,
         {"--since", "\x1b]0;x\x07"},
         "stormbell-cli history: --since takes a span such as 72h, 30m or 7d, not "
         "\"\\x1b]0;x\\x07\"\n",
         true},
        {history,
         {"import", "/nonexistent/\x1b[2J.log"},
         "stormbell-cli history import: cannot read /nonexistent/\\x1b[2J.log\n",
         true},
    };
    for (const auto& c : cases) {
        // A build without SQLite refuses every history command before reading its arguments.
        if (c.needsHistory && !HistoryStore::Available())
            continue;
        std::ostringstream out, err;
        EXPECT_NE(c.command(c.args, out, err), 0) << c.err;
        EXPECT_EQ(err.str(), c.err);
    }
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
