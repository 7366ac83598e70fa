#include "app/qt/GaugeHistory.h"

#include <QWidget>

#include <cmath>
#include <utility>

#include "gauges/GaugeGeometry.h"
#include "history/HistoryNote.h"
#include "history/HistoryStore.h"
#include "observation/PressureUnits.h"
#include "platform/DataFolder.h"
#include "platform/TextConvert.h"

namespace stormbell {

std::optional<std::filesystem::path> DefaultHistoryFile() {
    const auto folder = UserDataFolder();
    return folder ? std::optional(*folder / kHistoryFileName) : std::nullopt;
}

HistoryView GaugeHistoryView(const std::string& station, bool metric, std::uint16_t pressSet,
                             double shownInches) {
    HistoryView view;
    view.Station = station.substr(0, station.find('.'));
    view.Metric = metric;
    // The dial goes round once in four inches: the hand is read on the side the needle is.
    double hand = gauge::kPressure.ValueAt(gauge::kReference.TurnsFromTop(pressSet));
    if (std::isfinite(shownInches))
        hand = shownInches - std::remainder(shownInches - hand, gauge::kPressure.UnitsPerTurn);
    view.ReferenceHpa = hand * kHectopascalsPerInch;
    return view;
}

GaugeHistory::GaugeHistory(std::optional<std::filesystem::path> storeFile, const Clock& clock,
                           ShownKey shown, std::function<void()> changed, QObject* parent)
    : QObject(parent), clock_(clock), shown_(std::move(shown)), changed_(std::move(changed)),
      link_(std::move(storeFile)) {
    connect(&link_, &HistoryLink::Failed, this, [this](const QString& what) {
        failure_ = what.toStdString();
        if (changed_)
            changed_();
    });
}

GaugeHistory::~GaugeHistory() {
    delete window_;
}

void GaugeHistory::Record(const std::vector<std::string>& reportLines, bool keep) {
    link_.Record(reportLines, clock_.Now(), keep, this, [this](const RecordResult& result) {
        ++outcomes_;
        failure_.clear();
        if (window_ != nullptr && window_->isVisible())
            window_->Reload();
        // A newer reading may be shown by now: this one's trend is not its trend.
        if (!result.Reading || result.Reading != shown_())
            return;
        last_ = result;
        lastKey_ = result.Reading;
        if (changed_)
            changed_();
    });
}

std::string GaugeHistory::Note() const {
    // Until the shown reading's own outcome is back, the last one belongs to another reading.
    const std::string note = lastKey_ && lastKey_ == shown_() ? HistoryNote(last_) : std::string();
    return note + (failure_.empty() ? "" : failure_ + "\n");
}

void GaugeHistory::ClaimAlert(const ReadingKey& reading,
                              std::function<void(const AlertClaim&)> done) {
    link_.ClaimAlert(reading, this, [this, done = std::move(done)](const AlertClaim& claim) {
        ++claims_;
        done(claim);
    });
}

void GaugeHistory::ShowWindow(const HistoryView& view, QWidget* parent) {
    if (window_ == nullptr)
        window_ = new HistoryWindow(link_, clock_, parent);
    window_->ShowView(view);
}

} // namespace stormbell
