#include "observation/ReportDecoder.h"

#include "observation/DerivedValues.h"
#include "observation/ReportScan.h"

namespace stormbell {

ReportDecoder::ReportDecoder(Observation& observation, FramePresenter& presenter, Pause& pause,
                             StatusLine& status, std::filesystem::path logDirectory,
                             Pause& lockPause, BlockingRunner& logRunner)
    : observation_(observation),
      log_(std::move(logDirectory), logProblem_, lockPause, ReplaceByRename, logRunner),
      sweep_(presenter, pause, status) {}

void ReportDecoder::BreakOut(const std::vector<std::string>& reportLines, bool logIt) {
    lastSweepFrames_ = 0;
    // Without any of the four lines, decoding would turn the missing texts into 0 C and 100 %.
    const bool reading = HoldsObservation(reportLines);
    // The direction needle starts a sweep from north, never from "variable".
    if (reading && observation_.Shown.WindDirection.Variable)
        observation_.Shown.WindDirection = {};
    logProblem_.Last.clear();
    if (logIt)
        Log(reportLines);
    if (!reading)
        throw ENotAReading();
    // Only what this report states counts; a text of an earlier one would be made up here.
    observation_.Cut = {};
    ScanReportLines(reportLines, observation_.Cut);
    const PressurePlan plan = DeriveTargets(observation_);
    lastSweepFrames_ = sweep_.Run(observation_, plan);
}

void ReportDecoder::Log(const std::vector<std::string>& reportLines) {
    logProblem_.Last.clear();
    try {
        log_.Append(reportLines);
    } catch (const ELogFileError& error) {
        // The log is a side step: the reading it failed to keep is still the reading.
        logProblem_.ShowMessage(error.what());
    }
}

} // namespace stormbell
