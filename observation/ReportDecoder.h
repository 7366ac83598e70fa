// The decoder behind the main window's BreakOut: log, scan, derive, sweep.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "observation/FramePresenter.h"
#include "observation/NeedleSweep.h"
#include "observation/Observation.h"
#include "observation/ReportLog.h"
#include "platform/MessageSink.h"
#include "platform/Pause.h"
#include "platform/StatusLine.h"

namespace stormbell {

class ReportDecoder {
public:
    /// Decodes into `observation`; logs into `logDirectory` (the program passes "."), waiting
    /// for another process's log lock on `lockPause`.
    ReportDecoder(Observation& observation, FramePresenter& presenter, Pause& pause,
                  StatusLine& status, MessageSink& messages, std::filesystem::path logDirectory,
                  Pause& lockPause = SharedThreadPause());

    /// Appends the report to METAR.LOG when `logIt`, cuts and derives the targets from
    /// `reportLines`, then sweeps the needles to them. Log problems with a message of their
    /// own are shown and decoding goes on; other log file errors throw ELogFileError before
    /// anything is decoded; a report without any of the four observation lines is logged and
    /// then throws ENotAReading, changing nothing; a wind speed text that is not a number, or a
    /// direction or speed target the needles cannot step to, throws EConvertError before any
    /// needle moves.
    void BreakOut(const std::vector<std::string>& reportLines, bool logIt);

    /// Stepping frames of the last sweep that completed; 0 when the last BreakOut failed.
    long LastSweepFrames() const { return lastSweepFrames_; }

private:
    Observation& observation_;
    ReportLog log_;
    NeedleSweep sweep_;
    long lastSweepFrames_ = 0;
};

} // namespace stormbell
