// The gauge window's side of a printout: its face as it shows the reading, and the shown
// station's readings as the gauge's history last read them on its own thread.
#pragma once

#include <memory>

#include "app/ShownReading.h"
#include "gauges/Gauges.h"
#include "platform/Clock.h"
#include "printing/qt/PrintoutSource.h"
#include "printing/qt/ReportPrinting.h"
#include "settings/Settings.h"

namespace stormbell {

class GaugeHistory;

class WindowPrintout final : public PrintoutSource {
public:
    /// Reads what the window shows through these, which must outlive this; the readings come
    /// from `history`'s copy of the last days, so a printout never waits for the store.
    WindowPrintout(const Observation& observation, const Gauges& gauges,
                   const ShownReading& reading, const Settings& settings, const Clock& clock,
                   const GaugeHistory& history);

    FaceLook Face() const override;
    std::vector<HistoryReading> Readings(std::chrono::sys_seconds since) const override;

private:
    /// The identifier of the station shown: the reading's, else the station file's.
    std::string Station() const;

    const Observation& observation_;
    const Gauges& gauges_;
    const ShownReading& reading_;
    const Settings& settings_;
    const Clock& clock_;
    const GaugeHistory& history_;
};

/// The program's printing for the options dialog: through the print module, with the pictures
/// `source` gives; `clock` must outlive it.
std::unique_ptr<ReportPrinting> WindowPrinting(std::unique_ptr<WindowPrintout> source,
                                               const Clock& clock);

} // namespace stormbell
