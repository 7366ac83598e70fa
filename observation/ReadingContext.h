// What the gauge knows about its reading besides the shown values; lives only for the run.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "observation/ReportFigures.h"
#include "observation/ReportHeader.h"

namespace stormbell {

struct ReadingContext {
    ReportHeader Header; ///< the report's station and observation time, as it names them
    std::optional<std::chrono::sys_seconds> LastFetch; ///< end of the last successful fetch
    bool LastCycleFailed = false;                      ///< the most recent cycle did not decode
    std::string LastFailure;                           ///< why it did not, when known; UTF-8
    std::string FailedStation; ///< the station the failed cycle asked for; empty when unknown
    /// The service last sent this observation of the shown station, older than the one shown.
    std::optional<std::chrono::sys_seconds> OlderSent;
    bool FtpBlocked = false;  ///< its FTP login could not connect to the service's server
    ReportFigures Figures;    ///< the report's own figures, its weather and tendency
    std::string AlertFailure; ///< why this observation's storm alert could not be shown; UTF-8
    /// What failed beside the last decoded reading without taking it away (its log, the
    /// logout), UTF-8.
    std::vector<std::string> SideStepFailures;
};

} // namespace stormbell
