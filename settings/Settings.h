// The persisted settings that are not shown values, as the program-wide variables the dialogs,
// the update cycle and the window read and change between the load and the save.
#pragma once

#include <cstdint>
#include <string>

namespace stormbell {

/// The shown values and DisplayMode live in Observation and the reference hand's
/// stored position in Gauges; everything else persisted lives here. A new Settings holds the
/// settings table's defaults, the values of a store that was never written.
struct Settings {
    /// Every value at its row's default; defined beside the table, which holds them.
    Settings();

    int WindowLeft;                ///< main window's left edge, screen pixels
    int WindowTop;                 ///< main window's top edge, screen pixels
    std::int32_t PickedStationRow; ///< station list row last picked
    std::int32_t UpdateMinutes;    ///< minutes between update cycles
    std::int32_t ProxyPort;        ///< port used when UseProxy
    std::string StationFile;       ///< the station's report file name, "KJLN.TXT"
    bool LogReports;               ///< append reports to METAR.LOG
    bool FetchAtStart;             ///< one update cycle at start-up
    bool UseProxy;                 ///< connect on ProxyPort, not 21
    std::string Host;              ///< FTP server host name
    std::string ReportDirectory;   ///< directory of the reports
    bool KeepHistory;              ///< store every decoded reading in the history
    bool StormAlerts;              ///< a desktop notification for a storm in a new observation
    std::string RecentStations;    ///< the stations picked last, newest first: "KSEA,EGLL"
    std::string HistoryPlace;      ///< the history window's "left,top,width,height"; empty: unset
};

} // namespace stormbell
