// What the gauge knows about its reading for the run: the station, when the report was observed
// and fetched, and whether the latest update cycle failed. Nothing of it is stored.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "observation/ReadingContext.h"
#include "platform/Clock.h"

namespace stormbell {

class ReadingTracker {
public:
    /// Fetch times come from `clock`, which must outlive the tracker.
    explicit ReadingTracker(const Clock& clock) : clock_(clock) {}

    /// After a cycle that fetched and decoded `reportLines`: its header as ReadReportHeader
    /// reads it (unknown parts stay unknown), fetched now, no failure
    /// but the side steps that failed beside it, in UTF-8.
    void RecordDecoded(const std::vector<std::string>& reportLines,
                       std::vector<std::string> sideStepFailures = {});
    /// After a failed cycle for `station` ("KQQZ"; empty when unknown): why it failed, in UTF-8,
    /// for the description, and whether its FTP login could not even connect to the service's
    /// server. The earlier station and times are kept, since they still describe the values shown.
    void RecordFailure(std::string reason, bool ftpBlocked, std::string station = {});
    /// After a cycle that fetched nothing new (the report was unchanged, or observed at `older`
    /// before the shown one): the shown reading stays, fetched now, with only `sideStepFailures`
    /// of this cycle told.
    void RecordNothingNew(std::vector<std::string> sideStepFailures,
                          std::optional<std::chrono::sys_seconds> older = std::nullopt);
    /// The storm alert of the current observation could not be shown, for `reason` (UTF-8).
    void RecordAlertFailure(std::string reason) { context_.AlertFailure = std::move(reason); }

    /// The run's context; before the first decoded cycle it knows no station and no times.
    const ReadingContext& Context() const { return context_; }

private:
    const Clock& clock_;
    ReadingContext context_;
};

} // namespace stormbell
