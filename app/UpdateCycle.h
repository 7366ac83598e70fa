// The update cycle behind the update button, the timer and the start-up: log in, change to the
// reports' directory, download the station's report, show it, log out and decode it.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "app/CycleFailure.h"
#include "app/Lamps.h"
#include "net/ReportClient.h"
#include "observation/ReportBox.h"
#include "observation/ReportLines.h"
#include "platform/BlockingRunner.h"
#include "platform/StatusLine.h"

namespace stormbell {

/// Where and what a cycle fetches; taken from the settings at the start of each cycle.
struct CycleSettings {
    std::string Host;            ///< without the port marker
    std::string ReportDirectory; ///< directory of the reports
    std::string StationFile;     ///< report file name, "KJLN.TXT"
    bool UseProxy = false;       ///< use ProxyPort instead of 21
    int ProxyPort = 21;          ///< the FTP dialog's port spin
    bool LogReports = false;     ///< append the report to METAR.LOG
};

/// The update button's sequence over its seams. The client is used by one thread at a time.
class UpdateCycle {
public:
    /// `breakOut` decodes the report box's lines (the window's BreakOut, logging by the flag).
    UpdateCycle(ReportClient& client, Lamps& lamps, StatusLine& status, ReportBox& reportBox,
                BlockingRunner& runner,
                std::function<void(const std::vector<std::string>& lines, bool logIt)> breakOut);

    /// One cycle. True when the report was fetched and decoded. Any error (a refused setting,
    /// the network, an empty download, a report above kMaxReportBytes, the decoder) ends the
    /// session (QUIT when the connection can carry it, else a close), lights the red lamp with
    /// the title "Update failed" and returns false, FetchError telling why; the report box then
    /// changes only when the decoder failed. Errors outside std::exception (an aborted cycle)
    /// leave through here untouched.
    bool Run(const CycleSettings& settings);

    /// The cycle up to the green lamp going dark, handing the downloaded bytes to `deliver`
    /// (before Logout, where the cycle loads the report box) instead of showing and decoding
    /// them; only the client's own limit bounds their size. Fails as Run.
    bool Fetch(const CycleSettings& settings,
               const std::function<void(const MemoryStream& report)>& deliver);

    /// An EUpdateFailed for the last cycle's failure; null after a cycle that succeeded.
    std::exception_ptr FetchError() const { return fetchError_; }

private:
    /// Records the failure being handled; call from its catch block.
    void Fail(CycleStep step, const CycleSettings& settings, const std::exception& error);
    /// Ends whatever session is open without letting its errors hide the first one.
    void EndSession();

    ReportClient& client_;
    Lamps& lamps_;
    StatusLine& status_;
    ReportBox& reportBox_;
    BlockingRunner& runner_;
    std::function<void(const std::vector<std::string>&, bool)> breakOut_;
    std::exception_ptr fetchError_;
};

} // namespace stormbell
