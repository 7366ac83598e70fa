#include "app/ShownReading.h"

#include <utility>

#include "observation/ObservationTexts.h"
#include "observation/ReportLines.h"
#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

bool ShownReading::Admit(const std::vector<std::string>& reportLines) {
    const auto received = ReportKey(reportLines);
    if (!GoesBack(Key(), received))
        return true;
    refusedOlder_ = received->Observed;
    return false;
}

std::optional<std::vector<std::string>> ShownReading::Record(const CycleOutcome& outcome,
                                                             const CycleReport& report,
                                                             const Wording& wording) {
    const auto older = std::exchange(refusedOlder_, std::nullopt);
    if (!outcome.Completed()) {
        const std::string& shown = Context().Header.Station;
        if (report.Station.empty() || shown.empty() || report.Station == shown)
            report_ = report.Text;
        else
            report_.clear();
        tracker_.RecordFailure(outcome.Message, report.FtpBlocked, report.Station);
        return std::nullopt;
    }
    if (outcome.Unchanged) {
        // Nothing arrived, so nothing of the last arrival (its log problem) is told again.
        tracker_.RecordNothingNew(outcome.Notes);
        return std::nullopt;
    }
    std::vector<std::string> sideSteps = outcome.Notes;
    if (!report.LogProblem.empty())
        sideSteps.insert(
            sideSteps.begin(),
            Words(wording, "Reading")(STORMBELL_TEXT("Reading", "The report was not logged: %1"),
                                      {Latin1ToUtf8(report.LogProblem)}));
    auto lines = SplitReportLines(report.Text);
    if (older) {
        tracker_.RecordNothingNew(std::move(sideSteps), older);
    } else {
        tracker_.RecordDecoded(lines, std::move(sideSteps));
        report_ = report.Text;
    }
    return lines;
}

DecodeReport DecodeAdmitted(ShownReading& shown, ReportDecoder& decoder, StatusLine& status) {
    return [&shown, &decoder, &status](const std::vector<std::string>& lines, bool logIt) {
        if (shown.Admit(lines)) {
            decoder.BreakOut(lines, logIt);
            return;
        }
        if (logIt)
            decoder.Log(lines);
        status.SetStatus(texts::SweepCompleted);
    };
}

} // namespace stormbell
