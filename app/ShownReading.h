// The one reading the gauge shows and what it knows of it: which report it came from, what the
// last cycle came to, and whether a report just fetched may take its place. A report of the
// shown station observed earlier than the shown one never does: the reading never goes back in
// time.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/CycleOutcome.h"
#include "app/UpdateCycle.h"
#include "observation/ReadingKey.h"
#include "observation/ReadingTracker.h"
#include "observation/ReportDecoder.h"
#include "platform/Clock.h"
#include "platform/StatusLine.h"
#include "platform/Wording.h"

namespace stormbell {

/// What a cycle brought besides its outcome.
struct CycleReport {
    std::string Text;        ///< the cycle's report, its bytes as the server sent them
    std::string Station;     ///< the station the cycle asked for, "KQQZ"; empty when unknown
    std::string LogProblem;  ///< why this cycle's report was not logged, single-byte; may be empty
    bool FtpBlocked = false; ///< the FTP login could not connect to the service's server
};

class ShownReading {
public:
    /// Fetch times come from `clock`, which must outlive this.
    explicit ShownReading(const Clock& clock) : tracker_(clock) {}

    /// Before `reportLines` are decoded: false when they are an observation of the shown station
    /// older than the shown one, which must then not be shown; the next Record tells it.
    bool Admit(const std::vector<std::string>& reportLines);
    /// After a cycle that came to `outcome`: the context and the report follow what it brought.
    /// Gives the lines of the report it received (shown or not), for the history; nothing when
    /// it received none. An unchanged report tells nothing of an earlier cycle again. What this
    /// adds to the outcome's words is `wording`'s.
    std::optional<std::vector<std::string>> Record(const CycleOutcome& outcome,
                                                   const CycleReport& report,
                                                   const Wording& wording = English());
    /// The storm alert of the shown observation could not be shown, for `reason` (UTF-8).
    void RecordAlertFailure(std::string reason) { tracker_.RecordAlertFailure(std::move(reason)); }

    const ReadingContext& Context() const { return tracker_.Context(); }
    /// The shown reading's station and observation time; nothing when either is unknown.
    std::optional<ReadingKey> Key() const { return KeyOf(Context()); }
    /// The report the shown values come from, or the last one refused for the shown station;
    /// empty when the last cycle failed for another station, so that no report stands under a
    /// station it is not from.
    const std::string& Report() const { return report_; }

private:
    ReadingTracker tracker_;
    std::string report_;
    std::optional<std::chrono::sys_seconds> refusedOlder_; ///< set by Admit, taken by Record
};

/// A cycle's decode: `decoder` decodes what `shown` admits; a report it refuses is only logged
/// (when asked for) and the title says the cycle completed, as after a sweep.
DecodeReport DecodeAdmitted(ShownReading& shown, ReportDecoder& decoder, StatusLine& status);

} // namespace stormbell
