#include "app/qt/WindowPrintout.h"

#include "app/qt/GaugeHistory.h"
#include "gauges/FaceStatus.h"
#include "history/HistoryStore.h"
#include "platform/qt/ProgramModule.h"
#include "printing/qt/GaugePrintout.h"

#include <system_error>
#include <utility>

namespace stormbell {

WindowPrintout::WindowPrintout(const Observation& observation, const Gauges& gauges,
                               const ShownReading& reading, const Settings& settings,
                               const Clock& clock, std::optional<std::filesystem::path> historyFile)
    : observation_(observation), gauges_(gauges), reading_(reading), settings_(settings),
      clock_(clock), historyFile_(std::move(historyFile)) {}

std::string WindowPrintout::Station() const {
    const std::string& known = reading_.Context().Header.Station;
    return known.empty() ? settings_.StationFile : known;
}

FaceLook WindowPrintout::Face() const {
    const bool metric = observation_.DisplayMode == DisplayMode::Metric;
    const HistoryView view =
        GaugeHistoryView(Station(), metric, gauges_.PressSet, observation_.Shown.PressureInHg);
    return {observation_,      DescribeFaceStatus(reading_.Context(), clock_).StationLine,
            gauges_.PressSet,  gauges_.Dimmed,
            gauges_.GustKnots, view.ReferenceHpa};
}

std::vector<HistoryReading> WindowPrintout::Readings(std::chrono::sys_seconds since) const {
    // A printout does without the curves rather than fail: the history window tells what is
    // wrong with the store.
    std::error_code ignored;
    if (!historyFile_ || !std::filesystem::exists(*historyFile_, ignored))
        return {};
    try {
        const HistoryStore store(*historyFile_, WhenDamaged::Refuse);
        const std::string station = Station();
        return store.Readings({station.substr(0, station.find('.')), since, clock_.Now()});
    } catch (const std::exception&) {
        return {};
    }
}

std::unique_ptr<ReportPrinting> WindowPrinting(std::unique_ptr<WindowPrintout> source,
                                               const Clock& clock) {
    return std::make_unique<GaugePrintout>(std::make_unique<ModulePrinting>(ProgramModuleFolders()),
                                           clock, std::move(source));
}

} // namespace stormbell
