#include "app/qt/GaugeHistory.h"

#include <QWidget>

#include <cmath>
#include <utility>

#include "gauges/GaugeGeometry.h"
#include "history/HistoryNote.h"
#include "history/HistoryStore.h"
#include "platform/DataFolder.h"
#include "platform/TextConvert.h"
#include "platform/qt/QtWording.h"

namespace stormbell {

std::optional<std::filesystem::path> DefaultHistoryFile() {
    const auto folder = UserDataFolder();
    return folder ? std::optional(*folder / kHistoryFileName) : std::nullopt;
}

HistoryView GaugeHistoryView(const std::string& station, bool metric, std::uint16_t pressSet,
                             const std::string& shownInches) {
    constexpr double kHectopascalsPerInch = 33.8638866667;
    HistoryView view;
    view.Station = station.substr(0, station.find('.'));
    view.Metric = metric;
    // The dial goes round once in four inches: the hand is read on the side the needle is.
    double hand = gauge::kPressure.ValueAt(gauge::kReference.TurnsFromTop(pressSet));
    if (const auto shown = TryStrToFloat(shownInches); shown && std::isfinite(*shown))
        hand = *shown - std::remainder(*shown - hand, gauge::kPressure.UnitsPerTurn);
    view.ReferenceHpa = hand * kHectopascalsPerInch;
    return view;
}

GaugeHistory::GaugeHistory(std::optional<std::filesystem::path> storeFile, const Clock& clock,
                           std::function<void()> changed, QObject* parent)
    : QObject(parent), storeFile_(storeFile), clock_(clock), changed_(std::move(changed)),
      recorder_(std::move(storeFile)) {}

GaugeHistory::~GaugeHistory() = default;

void GaugeHistory::Record(const std::vector<std::string>& reportLines, bool keep) {
    const auto received = clock_.Now();
    worker_.Post([this, reportLines, received, keep] {
        RecordResult result = recorder_.Record(reportLines, received, keep);
        // Back on the window's thread; dropped if this object has gone meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result)] {
                last_ = result;
                ++outcomes_;
                if (window_ != nullptr && window_->isVisible())
                    window_->Reload();
                if (changed_)
                    changed_();
            },
            Qt::QueuedConnection);
    });
}

std::string GaugeHistory::Note() const {
    return HistoryNote(last_, QtWording());
}

void GaugeHistory::ShowWindow(const HistoryView& view, QWidget* parent) {
    if (window_ == nullptr)
        window_ = new HistoryWindow(storeFile_, clock_, parent);
    window_->ShowView(view);
}

} // namespace stormbell
