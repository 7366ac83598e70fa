// The decoder behind the main window's BreakOut: log, scan, derive, sweep.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "observation/FramePresenter.h"
#include "observation/NeedleSweep.h"
#include "observation/Observation.h"
#include "observation/ReportLog.h"
#include "platform/BlockingRunner.h"
#include "platform/MessageSink.h"
#include "platform/Pause.h"
#include "platform/StatusLine.h"

namespace stormbell {

class ReportDecoder {
public:
    /// Decodes into `observation`; logs into `logDirectory` (the program passes "."), waiting
    /// for another process's log lock on `lockPause` and rebuilding the log on `logRunner`.
    ReportDecoder(Observation& observation, FramePresenter& presenter, Pause& pause,
                  StatusLine& status, std::filesystem::path logDirectory,
                  Pause& lockPause = SharedThreadPause(),
                  BlockingRunner& logRunner = SharedDirectRunner());

    /// Appends the report to METAR.LOG when `logIt`, cuts and derives the targets from
    /// `reportLines`, then sweeps the needles to them. A log that could not be written is only
    /// kept as LogProblem, for the caller to tell once the reading stands (a message box here
    /// would hold the cycle before the reading is shown); a report without any of
    /// the four observation lines is logged and then throws ENotAReading, changing nothing. A
    /// quantity the report does not state readably is marked in NotReported and its needle, and
    /// those of the values derived from it, go to rest.
    void BreakOut(const std::vector<std::string>& reportLines, bool logIt);

    /// Appends the report to METAR.LOG as BreakOut does, without decoding it: for a report that
    /// is received but not shown. A failure is kept as LogProblem, as BreakOut's is.
    void Log(const std::vector<std::string>& reportLines);

    /// Why the last BreakOut's or Log's report was not logged, in the log's words; empty when it
    /// was, or when no log was asked for.
    const std::string& LogProblem() const { return logProblem_.Last; }

    /// Stepping frames of the last sweep that completed; 0 when the last BreakOut failed.
    long LastSweepFrames() const { return lastSweepFrames_; }

private:
    /// Keeps the log's last message instead of showing it.
    struct KeptMessage final : MessageSink {
        void ShowMessage(const std::string& text) override { Last = text; }
        std::string Last;
    };

    Observation& observation_;
    KeptMessage logProblem_;
    ReportLog log_;
    NeedleSweep sweep_;
    long lastSweepFrames_ = 0;
};

} // namespace stormbell
