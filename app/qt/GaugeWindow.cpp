#include "app/qt/GaugeWindow.h"

#include "app/CycleFailure.h"
#include "app/qt/GaugeHistory.h"
#include "app/qt/GaugeTooltip.h"
#include "app/qt/HttpsModuleLoader.h"
#include "app/qt/KeyboardAccess.h"
#include "app/qt/RecentStationsMenu.h"
#include "app/qt/UpdateSchedule.h"
#include "app/qt/WindowDrag.h"
#include "app/qt/WindowPrintout.h"
#include "app/qt/WindowRegion.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/GaugeFace.h"
#include "settings/SettingsPersistence.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FirstStartUnits.h"
#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/OptionsDialog.h"
#include "settings/stations/RecentStations.h"
#include "settings/stations/StationDirectory.h"

#include <QCloseEvent>

#include <utility>

namespace stormbell {

namespace {

constexpr int kMillisecondsPerMinute = 60000;

} // namespace

GaugeWindow::GaugeWindow(SettingsStore& store, Settings& settings, Observation& observation,
                         const Clock& clock, ProgramEnd end, const ClientLimits& limits)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), store_(store), settings_(settings),
      observation_(observation), clock_(clock),
      face_(std::make_unique<GaugeFace>(observation_, devicePixelRatioF(),
                                        [this] { view_.Repaint(); })),
      parts_(BuildWindowParts(
          *this, [this]() -> const QImage& { return face_->Visible(); }, *this)),
      // The keyboard's focus mark lies under the station line.
      keyboard_(new KeyboardAccess(*this, *this, parts_)),
      view_(*this, *face_, parts_, observation_, [this] { RefreshDescription(); }),
      lamps_(std::make_unique<WindowLamps>(
          LampShapes{*parts_.GreenBody, *parts_.RedBody, *parts_.RedDot, *parts_.GreenDot},
          [this] { RefreshDescription(); })),
      status_(*this), messages_(this), guard_(messages_, [this] { return session_.Ending(); }),
      // The log's lock is waited for on the sweep's pause: the window stays live, and close
      // and exit end the wait.
      // The log is rebuilt on the runner's thread, so that a large log never holds the window.
      decoder_(observation, *this, pause_, status_, ".", pause_, runner_), shown_(clock),
      stormAlert_(
          store, shown_, clock, *this,
          [this](const ReadingKey& key, auto done) { history_->ClaimAlert(key, std::move(done)); },
          [this] { RefreshDescription(); }),
      session_(*lamps_, status_, pause_, runner_, WithHttpsModule(limits),
               DecodeAdmitted(shown_, decoder_, status_), wording_),
      ending_(session_, guard_, std::move(end),
              {[this] {
                   SaveSettings(store_, settings_, observation_, GetGauges().StoredPressSet, x(),
                                y());
               },
               [this] {
                   for (QWidget* dialog : std::initializer_list<QWidget*>{options_, ftpSettings_})
                       if (dialog != nullptr)
                           dialog->hide();
               },
               [this] { close(); }}) {
    new WindowDrag(*this); // a child of the window, which it follows
    OfferRecentStations(keyboard_->Menu(), settings_, [this] {
        if (options_ != nullptr && options_->isVisible())
            options_->ShowSettings();
        fetchedStation_.clear(); // chosen again, fetched again
        FetchChosenStation();
    });
    tooltip_ = new GaugeTooltip(*this,
                                {[this] { return lamps_->Fetching(); },
                                 [this] {
                                     return DescribeGauge(observation_, GetGauges().PressSet,
                                                          shown_.Context(), clock_, wording_);
                                 },
                                 [this] { return history_->Note(); }},
                                guard_);

    schedule_ = new UpdateSchedule(
        *this, {[this] { RunCycle(true); }, [this] { FetchChosenStation(); },
                [this] {
                    // A sweep draws on the skins: the line changes once it has ended.
                    session_.WhenIdle([this] { guard_([this] { RefreshFaceStatus(); }); });
                }});

    LoadAtWindowCreation(store_, settings_);
    move(settings_.WindowLeft, settings_.WindowTop);

    // The storm bell waits for the history, whose trend stands in for a missing tendency line.
    history_ = std::make_unique<GaugeHistory>(
        DefaultHistoryFile(), clock_, [this] { return shown_.Key(); },
        [this] {
            stormAlert_.Decide(settings_.StormAlerts, history_->LastResult().Trend);
            RefreshDescription();
        },
        settings_.HistoryPlace);
}

GaugeWindow::~GaugeWindow() = default;

void GaugeWindow::AttachDialogs(OptionsDialog& options, FtpSettingsDialog& ftpSettings) {
    options_ = &options;
    ftpSettings_ = &ftpSettings;
    options.SetPrinting(
        WindowPrinting(std::make_unique<WindowPrintout>(observation_, GetGauges(), shown_,
                                                        settings_, clock_, *history_),
                       clock_));
}

void GaugeWindow::StartOnFirstActivation() {
    if (!firstActivation_)
        return;
    Gauges& gauges = GetGauges();
    LoadSettings(store_, settings_, observation_, gauges.StoredPressSet,
                 FirstStartDisplayMode(QLocale::system()));
    gauges.PressSet = gauges.StoredPressSet;
    ftpSettings_->ApplyStartupSettings();
    options_->SetDisplayModeRow(observation_.DisplayMode == DisplayMode::Metric ? 1 : 0);
    view_.ShowSkin();
    move(settings_.WindowLeft, settings_.WindowTop);
    ShapeRoundedRegion(rect());
    gauges.NeedleColor = colors::kNeedle;
    lamps_->SetLampState(LampState::Idle);
    DressHub(*parts_.Hub);
    view_.ApplyStatus(shown_.Context(), clock_);
    view_.Redraw();
    SetUpdateInterval(settings_.UpdateMinutes * kMillisecondsPerMinute);
    schedule_->StartAgeTicks();
    firstActivation_ = false;
    if (const std::string notice = store_.StartupNotice(); !notice.empty())
        messages_.ShowMessage(notice);
    if (store_.FirstStart())
        options_->AskWhereTheUserIs();
    if (settings_.FetchAtStart)
        UpdateNow();
}

void GaugeWindow::RunCycle(bool ifChanged) {
    if (!session_.Begin())
        return;
    fetchedStation_ = settings_.StationFile;
    const CycleSettings cycleSettings{
        settings_.Host,     settings_.ReportDirectory, settings_.StationFile,
        settings_.UseProxy, ftpSettings_->ProxyPort(), settings_.LogReports,
        ifChanged};
    guard_([&] {
        const CycleOutcome outcome = session_.Cycle().Run(cycleSettings);
        RecordOutcome(outcome);
        // The description tells a log that failed; a box would hold a timer's cycle until
        // someone clicks, so only an update asked for shows one, once the reading stands.
        if (!ifChanged && outcome.Completed() && !decoder_.LogProblem().empty())
            messages_.ShowMessage(decoder_.LogProblem());
    });
    ending_.AfterCycle(session_.Finish());
}

void GaugeWindow::RecordOutcome(const CycleOutcome& outcome) {
    // The lamp and the title say whether it failed; the description says why.
    const auto received = shown_.Record(
        outcome,
        {session_.Report(), std::string(StationIdOf(fetchedStation_)), decoder_.LogProblem(),
         FtpBlocked(outcome, settings_.Host, settingstable::kHost.Default)},
        wording_);
    if (received)
        history_->Record(*received, settings_.KeepHistory);
    if (options_ != nullptr)
        options_->ShowReport();
    RefreshFaceStatus();
    RefreshDescription();
}

void GaugeWindow::FetchChosenStation() {
    if (session_.State() == SessionState::Running)
        schedule_->StationChosen();
    const std::string_view identifier = StationIdOf(settings_.StationFile);
    const bool complete =
        IsIdentifierLike(identifier) && StationFileName(identifier) == settings_.StationFile;
    if (session_.State() != SessionState::Idle || firstActivation_ || !complete ||
        settings_.StationFile == fetchedStation_)
        return;
    settings_.RecentStations = WithRecentStation(settings_.RecentStations, identifier);
    schedule_->RestartInterval();
    UpdateNow();
}

void GaugeWindow::ShowOptions() {
    if (options_ != nullptr && !options_->isVisible())
        options_->show();
}

void GaugeWindow::ShowHistory() {
    guard_([this] {
        const std::string& known = shown_.Context().Header.Station;
        history_->ShowWindow(GaugeHistoryView(known.empty() ? settings_.StationFile : known,
                                              observation_.DisplayMode == DisplayMode::Metric,
                                              GetGauges().PressSet,
                                              observation_.Shown.PressureInHg),
                             this);
    });
}

void GaugeWindow::Minimise() {
    if (!isMinimized())
        showMinimized();
}

void GaugeWindow::HubPressed(MouseButton button) {
    TurnReference([this, button] { GetGauges().HubPressed(button); });
}

void GaugeWindow::SetReferenceToPressure() {
    TurnReference([this] { GetGauges().SetReferenceToPressure(); });
}

void GaugeWindow::TurnReference(const std::function<void()>& turn) {
    guard_([&] {
        turn();
        view_.Repaint();
        RefreshDescription();
    });
}

void GaugeWindow::ShapeRoundedRegion(const QRect& rect) {
    windowRegion_ = RoundRectRegion(rect, layout::kCornerEllipse, layout::kCornerEllipse);
    setMask(windowRegion_);
}

void GaugeWindow::ApplyDisplayMode() {
    guard_([this] {
        view_.ShowSkin();
        view_.Redraw();
    });
}

void GaugeWindow::ShowFtpSettings() {
    if (ftpSettings_ != nullptr)
        ftpSettings_->show();
}

bool GaugeWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        guard_([this] { StartOnFirstActivation(); });
    // A cycle's sweep draws on the skins: they change scale once it has ended.
    if (event->type() == QEvent::ScreenChangeInternal &&
        face_->Visible().devicePixelRatio() != devicePixelRatioF())
        // Before the start-up the skins show as painted; the needles come with it.
        session_.WhenIdle(
            [this] { guard_([this] { view_.Rescale(devicePixelRatioF(), !firstActivation_); }); });
    return QWidget::event(event);
}

void GaugeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Showing the window activates it; where no window manager hands out activation, the
    // start-up still runs once the window is up.
    if (firstActivation_)
        QMetaObject::invokeMethod(
            this, [this] { guard_([this] { StartOnFirstActivation(); }); }, Qt::QueuedConnection);
}

void GaugeWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(ending_.Close());
}

void GaugeWindow::RefreshFaceStatus() {
    if (!firstActivation_ && view_.ApplyStatus(shown_.Context(), clock_))
        view_.Redraw();
}

void GaugeWindow::RefreshDescription() {
    if (tooltip_ != nullptr)
        tooltip_->Refresh();
}

} // namespace stormbell
