// What the gauge knows about its reading for the run: the station, when the report was observed
// and fetched, and whether the latest update cycle failed. Nothing of it is stored.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "observation/ReadingContext.h"
#include "observation/ReportBox.h"
#include "platform/Clock.h"

namespace stormbell {

class ReadingTracker {
public:
    /// Fetch times come from `clock`, which must outlive the tracker.
    explicit ReadingTracker(const Clock& clock) : clock_(clock) {}

    /// Runs `cycle` (true when it fetched and decoded the report now in `reportBox`) and records
    /// its outcome. After a decoded report: its station and observation time from its first two
    /// lines (unknown when a line does not name them), fetched now, no failure. After false or an
    /// exception: a failure, with the earlier station and times kept, since they still describe
    /// the values shown. Rethrows what `cycle` threw.
    void RecordCycle(const std::function<bool()>& cycle, const ReportBox& reportBox);
    /// After a failed cycle: why it failed, in UTF-8, for the description.
    void RecordFailure(std::string reason);

    /// Whether the latest cycle's FTP login could not even connect to the service's server.
    void SetFtpBlocked(bool blocked) { context_.FtpBlocked = blocked; }

    /// The run's context; before the first decoded cycle it knows no station and no times.
    const ReadingContext& Context() const { return context_; }

private:
    void Decoded(const std::vector<std::string>& reportLines);

    const Clock& clock_;
    ReadingContext context_;
};

} // namespace stormbell
