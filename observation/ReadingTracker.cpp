#include "observation/ReadingTracker.h"

#include <utility>

#include "observation/ObservationTime.h"
#include "observation/ReportHeader.h"

namespace stormbell {

void ReadingTracker::RecordDecoded(const std::vector<std::string>& reportLines,
                                   std::vector<std::string> sideStepFailures) {
    // Whatever the new report leaves unnamed is unknown now: the earlier report's station or
    // time would be attached to values that no longer come from it.
    const auto header = reportLines.empty() ? std::nullopt : ParseReportHeader(reportLines[0]);
    context_.StationName = header ? header->StationName : std::string();
    context_.StationIdentifier = header ? header->Station : std::string();
    context_.Observed =
        reportLines.size() < 2 ? std::nullopt : ParseObservationTime(reportLines[1]);
    context_.Figures = ParseReportFigures(reportLines);
    context_.LastFetch = clock_.Now();
    context_.LastCycleFailed = false;
    context_.LastFailure.clear();
    context_.FtpBlocked = false;
    context_.SideStepFailures = std::move(sideStepFailures);
    context_.AlertFailure.clear();
}

void ReadingTracker::RecordFailure(std::string reason, bool ftpBlocked) {
    context_.LastCycleFailed = true;
    context_.LastFailure = std::move(reason);
    context_.FtpBlocked = ftpBlocked;
}

} // namespace stormbell
