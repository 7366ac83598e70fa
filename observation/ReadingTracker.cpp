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
    context_.AlertFailure.clear();
    RecordNothingNew(std::move(sideStepFailures));
}

void ReadingTracker::RecordFailure(std::string reason, bool ftpBlocked, std::string station) {
    context_.LastCycleFailed = true;
    context_.LastFailure = std::move(reason);
    context_.FailedStation = std::move(station);
    context_.FtpBlocked = ftpBlocked;
}

void ReadingTracker::RecordNothingNew(std::vector<std::string> sideStepFailures,
                                      std::optional<std::chrono::sys_seconds> older) {
    context_.LastFetch = clock_.Now();
    context_.LastCycleFailed = false;
    context_.LastFailure.clear();
    context_.FailedStation.clear();
    context_.FtpBlocked = false;
    context_.OlderSent = older;
    context_.SideStepFailures = std::move(sideStepFailures);
}

} // namespace stormbell
