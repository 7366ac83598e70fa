#include "app/qt/WindowPrintout.h"

#include "app/qt/GaugeHistory.h"
#include "gauges/FaceStatus.h"
#include "platform/qt/ProgramModule.h"
#include "platform/qt/QtWording.h"
#include "printing/qt/GaugePrintout.h"

#include <utility>

namespace stormbell {

WindowPrintout::WindowPrintout(const Observation& observation, const Gauges& gauges,
                               const ShownReading& reading, const Settings& settings,
                               const Clock& clock, const GaugeHistory& history)
    : observation_(observation), gauges_(gauges), reading_(reading), settings_(settings),
      clock_(clock), history_(history) {}

std::string WindowPrintout::Station() const {
    const std::string& known = reading_.Context().Header.Station;
    return known.empty() ? settings_.StationFile : known;
}

FaceLook WindowPrintout::Face() const {
    const bool metric = observation_.DisplayMode == DisplayMode::Metric;
    const HistoryView view =
        GaugeHistoryView(Station(), metric, gauges_.PressSet, observation_.Shown.PressureInHg);
    return {
        observation_,      DescribeFaceStatus(reading_.Context(), clock_, QtWording()).StationLine,
        gauges_.PressSet,  gauges_.Dimmed,
        gauges_.GustKnots, view.ReferenceHpa};
}

std::vector<HistoryReading> WindowPrintout::Readings(std::chrono::sys_seconds since) const {
    // Without a copy yet the printout does without the curves: the history window tells what
    // is wrong with the store.
    return history_.RecentReadings(Station(), since);
}

std::unique_ptr<ReportPrinting> WindowPrinting(std::unique_ptr<WindowPrintout> source,
                                               const Clock& clock) {
    return std::make_unique<GaugePrintout>(std::make_unique<ModulePrinting>(ProgramModuleFolders()),
                                           clock, std::move(source));
}

} // namespace stormbell
