#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/net/FakeFtpServer.h"
#include "tools/cli/Commands.h"

namespace stormbell {
namespace {

using testing::FakeFtpServer;
using testing::FakeFtpSession;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Fetch(const FakeFtpServer& server, std::vector<std::string> more) {
    std::vector<std::string> args = {"--host", "127.0.0.1", "--port",
                                     std::to_string(server.Port())};
    args.insert(args.end(), more.begin(), more.end());
    std::ostringstream out, err;
    const int status = RunFetch(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(FetchCommandTest, ServerTextInAnErrorReachesTheTerminalEscaped) {
    struct Case {
        std::string reply, printed;
    } cases[] = {
        {"550 \x1b[2J\x1b]0;owned\x07gone", "550 \\x1b[2J\\x1b]0;owned\\x07gone"},
        {"550", "550 The server's reply had no text"},
        {"550 gel\xf6scht", "550 gel\xc3\xb6scht"}, // Latin-1 from the server
    };
    for (const auto& c : cases) {
        FakeFtpServer server([&](FakeFtpSession& s) {
            s.Login();
            s.Answer(c.reply);
            s.AnswerUntilClose();
        });
        const Outcome run = Fetch(server, {"KJLN"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "stormbell-cli fetch: The directory data/observations/metar/decoded "
                           "was not found on 127.0.0.1: \"" +
                               c.printed + "\"\n");
    }
}

// A download just over the decoding limit: passed on whole, but not decoded.
TEST(FetchCommandTest, OnlyDecodingIsBoundedByTheReportLimit) {
    const std::string report(kMaxReportBytes + 1, 'x');
    struct Case {
        bool decode;
        int status;
        std::string err;
    } cases[] = {
        {false, 0, ""},
        {true, 1,
         "stormbell-cli fetch: KJLN.TXT could not be fetched from data/observations/metar/decoded "
         "on 127.0.0.1: The report is larger than 1 MiB (1048577 bytes); it was not decoded\n"},
    };
    for (const auto& c : cases) {
        FakeFtpServer server([&](FakeFtpSession& s) { s.ServeReport(report); });
        const Outcome run = Fetch(server, c.decode ? std::vector<std::string>{"--decode", "KJLN"}
                                                   : std::vector<std::string>{"KJLN"});
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, c.decode ? "" : report);
    }
}

} // namespace
} // namespace stormbell
