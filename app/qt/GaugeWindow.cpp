#include "app/qt/GaugeWindow.h"

#include "app/CycleFailure.h"
#include "app/qt/CircleShape.h"
#include "app/qt/GaugeHistory.h"
#include "app/qt/GaugeTooltip.h"
#include "app/qt/HttpsModuleLoader.h"
#include "app/qt/KeyboardAccess.h"
#include "app/qt/UpdateSchedule.h"
#include "app/qt/WindowDrag.h"
#include "app/qt/WindowRegion.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/GaugeFace.h"
#include "settings/SettingsPersistence.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/OptionsDialog.h"
#include "settings/stations/StationDirectory.h"

#include <QCloseEvent>

#include <utility>

namespace stormbell {

namespace {

constexpr int kMillisecondsPerMinute = 60000;

// The hub's starting look matches the discs the altimeter draws under it.
constexpr Color kHubPen = colors::kHubOuter;
constexpr int kHubPenWidth = 3;
constexpr Color kHubBrush = colors::kReference;

} // namespace

GaugeWindow::GaugeWindow(SettingsStore& store, Settings& settings, Observation& observation,
                         const Clock& clock, ProgramEnd end, const ClientLimits& limits)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), store_(store), settings_(settings),
      observation_(observation), clock_(clock), end_(std::move(end)),
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
      decoder_(observation, *this, pause_, status_, messages_, ".", pause_, runner_), shown_(clock),
      stormAlert_(store, shown_, clock, *this, [this] { RefreshDescription(); }),
      session_(*lamps_, status_, pause_, runner_, WithHttpsModule(limits),
               DecodeAdmitted(shown_, decoder_, status_)) {
    parts_.Hub->OnMouseDown = [this](Qt::MouseButton button) { HubPressed(button); };
    new WindowDrag(*this); // a child of the window, which it follows
    tooltip_ = new GaugeTooltip(*this,
                                {[this] { return lamps_->Fetching(); },
                                 [this] {
                                     return DescribeGauge(observation_, GetGauges().PressSet,
                                                          shown_.Context(), clock_);
                                 },
                                 [this] { return history_->Note(); }},
                                guard_);

    schedule_ = new UpdateSchedule(
        *this, {[this] { RunCycle(true); }, [this] { FetchChosenStation(); },
                [this] {
                    // A sweep draws on the skins: the line changes once it has ended.
                    session_.WhenIdle([this] { guard_([this] { RefreshFaceStatus(); }); });
                }});

    LoadWindowPosition(store_, settings_);
    move(settings_.WindowLeft, settings_.WindowTop);

    // The storm bell waits for the history, whose trend stands in for a missing tendency line.
    history_ = std::make_unique<GaugeHistory>(
        DefaultHistoryFile(), clock_, [this] { return shown_.Key(); },
        [this] {
            stormAlert_.Decide(settings_.StormAlerts, history_->LastResult().Trend);
            RefreshDescription();
        });
}

GaugeWindow::~GaugeWindow() = default;

void GaugeWindow::AttachDialogs(OptionsDialog& options, FtpSettingsDialog& ftpSettings) {
    options_ = &options;
    ftpSettings_ = &ftpSettings;
}

Gauges& GaugeWindow::GetGauges() {
    return view_.GetGauges();
}

void GaugeWindow::StartOnFirstActivation() {
    if (!firstActivation_)
        return;
    Gauges& gauges = GetGauges();
    LoadSettings(store_, settings_, observation_, gauges.StoredPressSet);
    gauges.PressSet = gauges.StoredPressSet;
    ftpSettings_->ApplyStartupSettings();
    options_->SetDisplayModeRow(observation_.DisplayMode == DisplayMode::Metric ? 1 : 0);
    view_.ShowSkin();
    move(settings_.WindowLeft, settings_.WindowTop);
    ShapeRoundedRegion(rect());
    gauges.NeedleColor = colors::kNeedle;
    lamps_->SetLampState(LampState::Idle);
    parts_.Hub->SetPen(kHubPen, kHubPenWidth);
    parts_.Hub->SetBrush(kHubBrush);
    view_.ApplyStatus(shown_.Context(), clock_);
    view_.Redraw();
    SetUpdateInterval(settings_.UpdateMinutes * kMillisecondsPerMinute);
    schedule_->StartAgeTicks();
    firstActivation_ = false;
    if (const std::string notice = store_.StartupNotice(); !notice.empty())
        messages_.ShowMessage(notice);
    if (settings_.FetchAtStart)
        UpdateNow();
}

void GaugeWindow::UpdateNow() {
    RunCycle(false);
}

void GaugeWindow::RunCycle(bool ifChanged) {
    if (!session_.Begin())
        return;
    fetchedStation_ = settings_.StationFile;
    CycleSettings cycleSettings = CurrentCycleSettings();
    cycleSettings.IfChanged = ifChanged;
    guard_([&] { RecordOutcome(session_.Cycle().Run(cycleSettings)); });
    EndAfterCycle(session_.Finish());
}

void GaugeWindow::RecordOutcome(const CycleOutcome& outcome) {
    // The lamp and the title say whether it failed; the description says why.
    const auto received =
        shown_.Record(outcome, {session_.Report(), std::string(StationIdOf(fetchedStation_)),
                                decoder_.LogProblem(),
                                FtpBlocked(outcome, settings_.Host, settingstable::kHost.Default)});
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
    schedule_->RestartInterval();
    UpdateNow();
}

void GaugeWindow::SaveAndExit() {
    if (session_.RequestExit())
        SaveAndEnd();
}

bool GaugeWindow::SaveAndEnd() {
    bool saved = false;
    guard_([&] {
        SaveSettings(store_, settings_, observation_, GetGauges().StoredPressSet, x(), y());
        saved = true;
    });
    if (saved)
        end_(0);
    return saved;
}

void GaugeWindow::ShowOptions() {
    if (options_ != nullptr && !options_->isVisible())
        options_->show();
}

void GaugeWindow::ShowHistory() {
    guard_([this] {
        const std::string& known = shown_.Context().StationIdentifier;
        history_->ShowWindow(GaugeHistoryView(known.empty() ? settings_.StationFile : known,
                                              observation_.DisplayMode == DisplayMode::Metric,
                                              GetGauges().PressSet, observation_.OPresInfo),
                             this);
    });
}

void GaugeWindow::Minimise() {
    if (!isMinimized())
        showMinimized();
}

void GaugeWindow::HubPressed(Qt::MouseButton button) {
    MouseButton hub = MouseButton::Left;
    if (button == Qt::RightButton)
        hub = MouseButton::Right;
    else if (button == Qt::MiddleButton)
        hub = MouseButton::Middle;
    else if (button != Qt::LeftButton)
        return;
    guard_([&] {
        GetGauges().HubPressed(hub);
        view_.Repaint();
        RefreshDescription();
    });
}

void GaugeWindow::SetReferenceToPressure() {
    guard_([this] {
        GetGauges().SetReferenceToPressure();
        view_.Repaint();
        RefreshDescription();
    });
}

void GaugeWindow::ShapeRoundedRegion(const QRect& rect) {
    windowRegion_ = RoundRectRegion(rect, layout::kCornerEllipse, layout::kCornerEllipse);
    setMask(windowRegion_);
}

void GaugeWindow::SetUpdateInterval(int milliseconds) {
    schedule_->SetInterval(milliseconds);
}

void GaugeWindow::StationChanged() {
    schedule_->StationChosen();
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

void GaugeWindow::ShowError(const std::string& message) {
    messages_.ShowMessage(message);
}

const std::string& GaugeWindow::LastReport() const {
    return shown_.Report();
}

void GaugeWindow::PresentFrame() {
    view_.PresentFrame();
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
    // The client goes, unless a cycle still runs on it; then the close comes
    // again once the cycle has unwound.
    if (!session_.RequestClose()) {
        event->ignore();
        return;
    }
    EndProgram();
    event->accept();
}

void GaugeWindow::EndProgram() {
    if (options_ != nullptr)
        options_->hide();
    if (ftpSettings_ != nullptr)
        ftpSettings_->hide();
    end_(0);
}

void GaugeWindow::EndAfterCycle(SessionState ended) {
    const bool exit =
        ended == SessionState::EndingByExit || ended == SessionState::EndingByExitThenClose;
    if (exit && SaveAndEnd())
        return;
    // A close asked for as well still ends the program when the save failed.
    if (ended == SessionState::EndingByClose || ended == SessionState::EndingByExitThenClose)
        close();
}

void GaugeWindow::RefreshFaceStatus() {
    if (!firstActivation_ && view_.ApplyStatus(shown_.Context(), clock_))
        view_.Redraw();
}

void GaugeWindow::RefreshDescription() {
    if (tooltip_ != nullptr)
        tooltip_->Refresh();
}

CycleSettings GaugeWindow::CurrentCycleSettings() const {
    return {settings_.Host,     settings_.ReportDirectory, settings_.StationFile,
            settings_.UseProxy, ftpSettings_->ProxyPort(), settings_.LogReports};
}

} // namespace stormbell
