// The update cycle behind the update button, the timer and the start-up: log in, change to the
// reports' directory, download the station's report, keep it, log out and decode it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/CycleOutcome.h"
#include "app/Lamps.h"
#include "net/ReportClient.h"
#include "platform/BlockingRunner.h"
#include "platform/StatusLine.h"
#include "platform/Wording.h"

namespace stormbell {

/// Where and what a cycle fetches; taken from the settings at the start of each cycle.
struct CycleSettings {
    std::string Host;            ///< the Host setting
    std::string ReportDirectory; ///< directory of the reports
    std::string StationFile;     ///< report file name, "KJLN.TXT"
    bool UseProxy = false;       ///< use ProxyPort instead of the protocol's port
    int ProxyPort = 21;          ///< the FTP dialog's port spin
    bool LogReports = false;     ///< append the report to METAR.LOG
    /// The timer's cycle: the server may answer that the report has not changed (HTTPS), which
    /// ends the cycle completed without decoding.
    bool IfChanged = false;
};

/// Decodes a report's lines into the shown values (the decoder's BreakOut), appending them to
/// METAR.LOG when `logIt`.
using DecodeReport = std::function<void(const std::vector<std::string>& lines, bool logIt)>;

/// The cycle's sequence over its seams. The client is used by one thread at a time.
class UpdateCycle {
public:
    /// Failures are told in `wording`'s words; it must outlive this.
    UpdateCycle(ReportClient& client, Lamps& lamps, StatusLine& status, BlockingRunner& runner,
                DecodeReport decode, const Wording& wording = English());

    /// One cycle: fetches the report, keeps it as Report() and decodes it. Any error (a refused
    /// setting, the network, an empty download, a report above kMaxReportBytes or without the
    /// observation time among its first lines, the decoder) ends the session (QUIT when the
    /// connection can carry it, else a close), lights the red lamp with the title "Update
    /// failed" and is told by the outcome; Report() then changes only when the decoder failed.
    /// A failed logout after the whole report came is only noted in the outcome. Errors
    /// outside std::exception (an aborted cycle) leave through here untouched. IfChanged holds
    /// only when the last cycle completed: a report unchanged since one that failed must not read
    /// as a good one. An unchanged report keeps Report(), puts the lamps out and sets the title
    /// "Completed".
    CycleOutcome Run(const CycleSettings& settings);

    /// The cycle up to the green lamp going dark, handing the downloaded bytes to `deliver`
    /// (before Logout) instead of keeping and decoding them; only the client's own limit bounds
    /// their size, and `deliver` is not called for an unchanged report. Fails as Run.
    CycleOutcome Fetch(const CycleSettings& settings,
                       const std::function<void(const MemoryStream& report)>& deliver);

    /// The last report fetched within the size bound, its bytes as the server sent them; empty
    /// before the first.
    const std::string& Report() const { return report_; }

private:
    /// The failed outcome for the error being handled; call from its catch block.
    CycleOutcome Fail(CycleStep step, const CycleSettings& settings, const std::exception& error);
    /// Ends whatever session is open without letting its errors hide the first one.
    void EndSession();

    ReportClient& client_;
    Lamps& lamps_;
    StatusLine& status_;
    BlockingRunner& runner_;
    DecodeReport decode_;
    const Wording& wording_;
    std::string report_;
    bool lastCompleted_ = false;
};

} // namespace stormbell
