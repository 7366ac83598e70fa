#include "app/CycleFailure.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "net/LoadedClient.h"
#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"
#include "observation/ReportLines.h"
#include "observation/ReportScan.h"
#include "tests/support/TableWording.h"

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

// A translated pattern may move the names and hold letters of its own; the names are escaped
// once, the pattern's UTF-8 is left as it is. The decoder's own reasons are words too.
TEST(CycleFailureTest, TranslatedWordsKeepTheirLettersAndTheNamesTheirEscapes) {
    const testing::TableWording german({
        {"%1 was not found in %2 on %3: %4", "In %2 auf %3 fehlt %1 – %4"},
        {"Could not log in to %1: %2", "Anmeldung bei %1 fehlgeschlagen: %2"},
        {"%1 port %2", "%1, Port %2"},
        {"Could not connect to %1: %2", "Keine Verbindung zu %1: %2"},
        {"%1 from %2 on %3 was not decoded: %4", "%1 aus %2 auf %3 nicht entschlüsselt: %4"},
        {"The report is larger than 1 MiB (%1 bytes); it was not decoded",
         "mehr als 1 MiB (%1 Byte)"},
        {"%1 from %2 on %3 is not a decoded report: %4", "%1 aus %2 auf %3 ist kein Bericht: %4"},
        {"none of its first lines gives the observation time", "ohne Beobachtungszeit"},
        {"Nothing was sent to %1: %2", "Nichts an %1 gesendet: %2"},
        {"HTTPS is unavailable, so nothing can be fetched from %1: its module is not "
         "installed:%2",
         "HTTPS fehlt für %1, sein Modul ist nicht installiert:%2"},
    });
    const CyclePlace place{"r\xe4ports.example", "re\\ports", "K\x1bJLN.TXT", 2121};
    const struct {
        CycleStep step;
        std::function<void()> fail;
        const char* message;
    } cases[] = {
        {CycleStep::Download, [] { throw EProtocolError("FTP", "No such file.", 550); },
         "In re\\x5cports auf r\xc3\xa4ports.example fehlt K\\x1bJLN.TXT \xe2\x80\x93 "
         "\"550 No such file.\""},
        {CycleStep::Login, [] { throw EProtocolError("FTP", "Z\xfcrich", 530); },
         "Anmeldung bei r\xc3\xa4ports.example fehlgeschlagen: \"530 Z\xc3\xbcrich\""},
        {CycleStep::Decode, [] { throw EReportTooLarge(1048577); },
         "K\\x1bJLN.TXT aus re\\x5cports auf r\xc3\xa4ports.example nicht entschl\xc3\xbcsselt: "
         "mehr als 1 MiB (1048577 Byte)"},
        {CycleStep::Decode, [] { throw ENotADecodedReport(); },
         "K\\x1bJLN.TXT aus re\\x5cports auf r\xc3\xa4ports.example ist kein Bericht: ohne "
         "Beobachtungszeit"},
        {CycleStep::Check,
         [] {
             throw EClientUnavailable("r\xe4ports.example",
                                      EClientUnavailable::Cause::ModuleMissing, "\nno such file");
         },
         "Nichts an r\xc3\xa4ports.example gesendet: HTTPS fehlt f\xc3\xbcr "
         "r\xc3\xa4ports.example, "
         "sein Modul ist nicht installiert:\\x0ano such file"},
    };
    for (const auto& c : cases) {
        try {
            c.fail();
        } catch (const std::exception& error) {
            EXPECT_EQ(CycleFailureMessage(c.step, place, error, german), c.message) << c.message;
        }
    }
}

} // namespace
} // namespace stormbell
