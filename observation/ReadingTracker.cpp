#include "observation/ReadingTracker.h"

#include <exception>
#include <utility>

#include "observation/ObservationTime.h"
#include "observation/ReportHeader.h"

namespace stormbell {

void ReadingTracker::Decoded(const std::vector<std::string>& reportLines) {
    // Whatever the new report leaves unnamed is unknown now: the earlier report's station or
    // time would be attached to values that no longer come from it.
    const auto header = reportLines.empty() ? std::nullopt : ParseReportHeader(reportLines[0]);
    context_.StationName = header ? header->StationName : std::string();
    context_.StationIdentifier = header ? header->Station : std::string();
    context_.Observed =
        reportLines.size() < 2 ? std::nullopt : ParseObservationTime(reportLines[1]);
    context_.Service = ParseServiceFigures(reportLines);
    context_.LastFetch = clock_.Now();
    context_.LastCycleFailed = false;
    context_.LastFailure.clear();
}

void ReadingTracker::RecordCycle(const std::function<bool()>& cycle, const ReportBox& reportBox) {
    bool decoded = false;
    try {
        decoded = cycle();
    } catch (const std::exception& error) {
        RecordFailure(error.what());
        throw;
    } catch (...) {
        RecordFailure({});
        throw;
    }
    if (decoded)
        Decoded(reportBox.Lines());
    else
        RecordFailure({});
}

void ReadingTracker::RecordFailure(std::string reason) {
    context_.LastCycleFailed = true;
    context_.LastFailure = std::move(reason);
}

} // namespace stormbell
