#include "observation/ReadingTracker.h"

#include <utility>

#include "observation/ReportHeader.h"

namespace stormbell {

void ReadingTracker::RecordDecoded(const std::vector<std::string>& reportLines,
                                   std::vector<std::string> sideStepFailures) {
    // Whatever the new report leaves unnamed is unknown now: the earlier report's station or
    // time would be attached to values that no longer come from it.
    context_.Header = ReadReportHeader(reportLines);
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
