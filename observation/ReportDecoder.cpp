#include "observation/ReportDecoder.h"

#include "observation/DerivedValues.h"
#include "observation/ReportScan.h"

namespace stormbell {

ReportDecoder::ReportDecoder(Observation& observation, FramePresenter& presenter, Pause& pause,
                             StatusLine& status, MessageSink& messages,
                             std::filesystem::path logDirectory, Pause& lockPause)
    : observation_(observation), log_(std::move(logDirectory), messages, lockPause),
      sweep_(presenter, pause, status) {}

void ReportDecoder::BreakOut(const std::vector<std::string>& reportLines, bool logIt) {
    lastSweepFrames_ = 0;
    // Without any of the four lines, decoding would turn the missing texts into 0 C and 100 %.
    const bool reading = HoldsObservation(reportLines);
    // The direction needle starts a sweep from north, never from "variable".
    if (reading && observation_.OWDInfo == VariableWind)
        observation_.OWDInfo = "000";
    if (logIt)
        log_.Append(reportLines);
    if (!reading)
        throw ENotAReading();
    ScanReportLines(reportLines, observation_);
    const PressurePlan plan = DeriveTargets(observation_);
    lastSweepFrames_ = sweep_.Run(observation_, plan);
}

} // namespace stormbell
