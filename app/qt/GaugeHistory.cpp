#include "app/qt/GaugeHistory.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "gauges/GaugeGeometry.h"
#include "history/HistoryNote.h"
#include "history/HistoryStore.h"
#include "observation/PressureUnits.h"
#include "platform/DataFolder.h"
#include "platform/TextConvert.h"
#include "platform/qt/QtWording.h"
#include "printing/qt/GaugePrintout.h"
#include "settings/WindowPlace.h"

namespace stormbell {

namespace {

// Room the window manager's title bar and borders take around the window's own area, which is
// what the place holds: a window fitted without it would still run off a small screen.
constexpr int kTitleBar = 32;
constexpr int kBorder = 4;

std::string StationIdentifier(const std::string& station) {
    return station.substr(0, station.find('.'));
}

WindowPlace PlaceOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

std::optional<std::filesystem::path> DefaultHistoryFile() {
    const auto folder = UserDataFolder();
    return folder ? std::optional(*folder / kHistoryFileName) : std::nullopt;
}

HistoryView GaugeHistoryView(const std::string& station, bool metric, std::uint16_t pressSet,
                             double shownInches) {
    HistoryView view;
    view.Station = StationIdentifier(station);
    view.Metric = metric;
    // The dial goes round once in four inches: the hand is read on the side the needle is.
    double hand = gauge::kPressure.ValueAt(gauge::kReference.TurnsFromTop(pressSet));
    if (std::isfinite(shownInches))
        hand = shownInches - std::remainder(shownInches - hand, gauge::kPressure.UnitsPerTurn);
    view.ReferenceHpa = hand * kHectopascalsPerInch;
    return view;
}

GaugeHistory::GaugeHistory(std::optional<std::filesystem::path> storeFile, const Clock& clock,
                           ShownKey shown, std::function<void()> changed, std::string& windowPlace,
                           QObject* parent)
    : QObject(parent), clock_(clock), shown_(std::move(shown)), changed_(std::move(changed)),
      windowPlace_(windowPlace), link_(std::move(storeFile)) {
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
        RefreshRecent(result.Reading->Station);
        if (changed_)
            changed_();
    });
}

void GaugeHistory::RefreshRecent(const std::string& station) {
    const auto now = clock_.Now();
    const std::uint64_t asked = ++askedRecent_;
    link_.Read({StationIdentifier(station), now - kPrintedHistory, now}, this,
               [this, asked](const HistoryRead& read) {
                   ++recentReads_;
                   if (asked != askedRecent_)
                       return;
                   recentStation_ = read.Query.Station.value_or("");
                   recent_ = read.Readings;
               });
}

std::vector<HistoryReading> GaugeHistory::RecentReadings(const std::string& station,
                                                         std::chrono::sys_seconds since) const {
    if (StationIdentifier(station) != recentStation_)
        return {};
    std::vector<HistoryReading> readings;
    std::copy_if(recent_.begin(), recent_.end(), std::back_inserter(readings),
                 [since](const HistoryReading& reading) { return reading.Observed >= since; });
    return readings;
}

std::string GaugeHistory::Note() const {
    // Until the shown reading's own outcome is back, the last one belongs to another reading.
    const std::string note =
        lastKey_ && lastKey_ == shown_() ? HistoryNote(last_, QtWording()) : std::string();
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
    if (window_ == nullptr) {
        window_ = new HistoryWindow(link_, clock_, parent);
        PlaceWindow(parent);
        window_->installEventFilter(this);
        // An import may have brought the shown station's readings.
        connect(window_, &HistoryWindow::ImportFinished, this,
                [this] { RefreshRecent(window_->Station()); });
    }
    RefreshRecent(view.Station);
    window_->ShowView(view);
}

void GaugeHistory::PlaceWindow(QWidget* parent) {
    const std::optional<WindowPlace> stored = ParseWindowPlace(windowPlace_);
    QScreen* screen =
        stored ? QGuiApplication::screenAt(
                     QRect(stored->Left, stored->Top, stored->Width, stored->Height).center())
               : nullptr;
    if (screen == nullptr)
        screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry().adjusted(kBorder, kTitleBar, -kBorder, -kBorder);
    const QSize size = window_->sizeHint();
    const QSize least = window_->minimumSizeHint();
    WindowPlace wanted{0, 0, size.width(), size.height()};
    if (stored) {
        wanted = *stored;
    } else {
        wanted.Width = std::min(wanted.Width, room.width());
        wanted.Height = std::min(wanted.Height, room.height());
        wanted.Left = room.center().x() - wanted.Width / 2;
        wanted.Top = room.center().y() - wanted.Height / 2;
    }
    const WindowPlace fitted =
        FittedOnScreen(wanted, PlaceOf(room), {0, 0, least.width(), least.height()});
    window_->setGeometry(fitted.Left, fitted.Top, fitted.Width, fitted.Height);
}

bool GaugeHistory::eventFilter(QObject* watched, QEvent* event) {
    // Kept as it changes, so the save at exit writes it even while the window is open.
    // Only the history window is watched. It is read as the widget it is, never through the
    // pointer to the history window, which may be half destroyed when its last events come.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        watched->isWidgetType()) {
        const auto* widget = static_cast<const QWidget*>(watched);
        if (widget->isVisible())
            windowPlace_ = WindowPlaceText(PlaceOf(widget->geometry()));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace stormbell
