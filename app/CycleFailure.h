// Why an update cycle failed, in words that name the station file, the directory and the host,
// with the server's own reply after them; and the rules read from a failed cycle.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/CycleOutcome.h"
#include "platform/Wording.h"

namespace stormbell {

/// A download of no bytes: no report, whatever the server's completion reply said.
class EEmptyReport : public std::runtime_error {
public:
    EEmptyReport();
};

/// The outcome of a cycle that failed at `step` with the error being handled: call it from the
/// catch block. A failed login without a reply of the server's counts as Connect, a log error
/// of the decoder as Log, a download that is no decoded report as Decode.
/// The message is in `wording`'s words.
CycleOutcome FailedCycle(CycleStep step, const CyclePlace& place, const std::exception& error,
                         const Wording& wording = English());

/// The message for `error` at `step`, e.g. KXYZ.TXT was not found in data/observations/metar/
/// decoded on tgftp.nws.noaa.gov: "550 No such file or directory." A refusal of the server is
/// quoted with its code; a connection that could not be made names the host and port and the
/// reason in words ("connection refused"); other errors follow with their own text. The settings
/// and the server speak single-byte text; the message is UTF-8, with every control character and
/// backslash written as \xNN (lower-case hex), ready for a tooltip or a terminal as it is. The
/// words around the names and the reason are `wording`'s.
std::string CycleFailureMessage(CycleStep step, const CyclePlace& place,
                                const std::exception& error, const Wording& wording = English());

/// True when `outcome` is a connection that could not be made (refused or timed out) to the FTP
/// server `serviceHost` as the Host setting `host` names it: what a network that blocks FTP
/// makes of a fetch, which HTTPS to the same host gets round.
bool FtpBlocked(const CycleOutcome& outcome, const std::string& host, std::string_view serviceHost);

} // namespace stormbell
