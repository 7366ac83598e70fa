#include "app/CycleFailure.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"

namespace stormbell {
namespace {

// The message of a cycle failing at `step` with what `fail` throws.
CycleOutcome FailedWith(CycleStep step, const CyclePlace& place,
                        const std::function<void()>& fail) {
    try {
        fail();
    } catch (const std::exception& error) {
        return FailedCycle(step, place, error);
    }
    return {};
}

// Settings and server replies reach the tooltip and the terminal with every control character
// and backslash escaped exactly once; a CA bundle that cannot be used is named, no connection.
TEST(CycleFailureTest, TheMessageIsEscapedOnceAndNamesWhatFailed) {
    const CyclePlace station{"reports.example", "reports", "KJLN.TXT", std::nullopt};
    struct Case {
        const char* name;
        CyclePlace place;
        CycleStep step;
        std::function<void()> fail;
        CycleStep failedAt;
        std::string message;
    } cases[] = {
        {"CR LF in the host text",
         {"ftp://a\r\nb", "reports", "KJLN.TXT", std::nullopt},
         CycleStep::Check,
         [] { ParseReportHost("ftp://a\r\nb"); },
         CycleStep::Check,
         "Nothing was sent to ftp://a\\x0d\\x0ab: Not an FTP server of the form name[:port]: "
         "ftp://a\\x0d\\x0ab"},
        {"ESC and a backslash in the station and directory",
         {"reports.example", "re\\ports", "K\x1b[2J.TXT", std::nullopt},
         CycleStep::Download,
         [] { throw EProtocolError("FTP", "No such file.", 550); },
         CycleStep::Download,
         "K\\x1b[2J.TXT was not found in re\\x5cports on reports.example: \"550 No such file.\""},
        {"controls in a reply, C1 included", station, CycleStep::Login,
         [] {
             throw EProtocolError("FTP",
                                  "Go\x1b]0;away\x07 \x9b"
                                  "2J\x7f",
                                  530);
         },
         CycleStep::Login,
         "Could not log in to reports.example: \"530 Go\\x1b]0;away\\x07 \\x9b2J\\x7f\""},
        {"Latin-1 in a reply", station, CycleStep::Login,
         [] { throw EProtocolError("FTP", "Z\xfcrich", 530); }, CycleStep::Login,
         "Could not log in to reports.example: \"530 Z\xc3\xbcrich\""},
        {"a missing CA bundle",
         {"https://127.0.0.1:8443", "reports", "KJLN.TXT", std::nullopt},
         CycleStep::Login,
         [] { throw ECaBundleError("The CA bundle /nowhere/ca.pem does not exist"); },
         CycleStep::Check,
         "Nothing was sent to https://127.0.0.1:8443: The CA bundle /nowhere/ca.pem does not "
         "exist"},
    };
    for (const auto& c : cases) {
        const CycleOutcome outcome = FailedWith(c.step, c.place, c.fail);
        EXPECT_EQ(outcome.FailedAt, c.failedAt) << c.name;
        EXPECT_EQ(outcome.Message, c.message) << c.name;
    }
}

} // namespace
} // namespace stormbell
