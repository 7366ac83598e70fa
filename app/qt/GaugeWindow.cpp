#include "app/qt/GaugeWindow.h"

#include "app/CycleFailure.h"
#include "app/qt/CircleShape.h"
#include "app/qt/CycleAborted.h"
#include "app/qt/GaugeHistory.h"
#include "app/qt/GaugeMenu.h"
#include "app/qt/HttpsModuleLoader.h"
#include "app/qt/KeyboardAccess.h"
#include "app/qt/SessionBusGuard.h"
#include "app/qt/SkinView.h"
#include "app/qt/StationLineLabel.h"
#include "app/qt/WindowDrag.h"
#include "app/qt/WindowPrintout.h"
#include "app/qt/WindowRegion.h"
#include "gauges/FaceStatus.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/GaugeFace.h"
#include "platform/qt/QtWording.h"
#include "settings/SettingsPersistence.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FirstStartUnits.h"
#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/OptionsDialog.h"
#include "settings/stations/RecentStations.h"
#include "settings/stations/StationDirectory.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include <utility>

namespace stormbell {

namespace {

constexpr int kMillisecondsPerMinute = 60000;
// Long enough to let a user pick a few rows in a row, short enough to feel at once.
constexpr int kStationFetchDelayMs = 1000;
constexpr int kAgeCheckMilliseconds = kMillisecondsPerMinute;
// The failure in the user's words; the outcome's Message keeps the core's English for the cli.
CycleOutcome InShownWords(CycleOutcome outcome) {
    if (!outcome.FailedAt || !outcome.Cause)
        return outcome;
    try {
        std::rethrow_exception(outcome.Cause);
    } catch (const std::exception& error) {
        outcome.Message = CycleFailureMessage(*outcome.FailedAt, outcome.Place, error, QtWording());
    } catch (...) {
    }
    return outcome;
}

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
                                        [this] { RepaintSkin(); })),
      parts_(BuildWindowParts(*this, [this]() -> const QImage& { return face_->Visible(); },
                              {[this] { UpdateNow(); }, [this] { ShowOptions(); },
                               [this] { Minimise(); }, [this] { SaveAndExit(); }})),
      lamps_(std::make_unique<WindowLamps>(
          LampShapes{*parts_.GreenBody, *parts_.RedBody, *parts_.RedDot, *parts_.GreenDot},
          [this] { RefreshDescription(); })),
      status_(*this), messages_(this),
      // The log's lock is waited for on the sweep's pause: the window stays live, and close
      // and exit end the wait.
      // The log is rebuilt on the runner's thread, so that a large log never holds the window.
      decoder_(observation, *this, pause_, status_, ".", pause_, runner_), shown_(clock),
      stormAlert_(
          store, shown_, clock, *this,
          [this](const ReadingKey& key, auto done) { history_->ClaimAlert(key, std::move(done)); },
          [this] { RefreshDescription(); }),
      session_(*lamps_, status_, pause_, runner_, WithHttpsModule(limits),
               DecodeAdmitted(shown_, decoder_, status_)) {
    parts_.Hub->OnMouseDown = [this](Qt::MouseButton button) { HubPressed(button); };
    new WindowDrag(*this); // a child of the window, which it follows
    (new KeyboardAccess(*this, parts_))
        ->Menu()
        .AddRecentStations(
            [this] {
                std::vector<std::string> labels;
                for (const std::string& identifier : RecentStationList(settings_.RecentStations))
                    labels.push_back(RecentStationLabel(identifier));
                return labels;
            },
            [this](std::size_t chosen) {
                const auto recent = RecentStationList(settings_.RecentStations);
                if (chosen >= recent.size())
                    return;
                settings_.StationFile = StationFileName(recent[chosen]);
                if (options_ != nullptr && options_->isVisible())
                    options_->ShowSettings();
                fetchedStation_.clear(); // chosen again, fetched again
                FetchChosenStation();
            });
    stationLine_ = new StationLineLabel(*this);
    ShowSkin();

    updateTimer_ = new QTimer(this);
    updateTimer_->setObjectName("Timer1");
    connect(updateTimer_, &QTimer::timeout, this, &GaugeWindow::OnUpdateTimer);
    stationFetchDelay_ = new QTimer(this);
    stationFetchDelay_->setObjectName("StationFetchDelay");
    stationFetchDelay_->setSingleShot(true);
    stationFetchDelay_->setInterval(kStationFetchDelayMs);
    connect(stationFetchDelay_, &QTimer::timeout, this, &GaugeWindow::FetchChosenStation);
    ageTimer_ = new QTimer(this);
    connect(ageTimer_, &QTimer::timeout, this, [this] {
        // A sweep draws on the skins: the line changes once it has ended.
        session_.WhenIdle([this] { Guarded([this] { RefreshFaceStatus(); }); });
    });

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

Gauges& GaugeWindow::GetGauges() {
    return face_->GetGauges();
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
    ShowSkin();
    move(settings_.WindowLeft, settings_.WindowTop);
    ShapeRoundedRegion(rect());
    gauges.NeedleColor = colors::kNeedle;
    lamps_->SetLampState(LampState::Idle);
    parts_.Hub->SetPen(kHubPen, kHubPenWidth);
    parts_.Hub->SetBrush(kHubBrush);
    ApplyFaceStatus();
    RedrawFace();
    SetUpdateInterval(settings_.UpdateMinutes * kMillisecondsPerMinute);
    ageTimer_->start(kAgeCheckMilliseconds);
    firstActivation_ = false;
    if (const std::string notice = store_.StartupNotice(); !notice.empty())
        messages_.ShowMessage(notice);
    if (store_.FirstStart())
        options_->AskWhereTheUserIs();
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
    Guarded([&] {
        const CycleOutcome outcome = session_.Cycle().Run(cycleSettings);
        RecordOutcome(outcome);
        // The description tells a log that failed; a box would hold a timer's cycle until
        // someone clicks, so only an update asked for shows one, once the reading stands.
        if (!ifChanged && outcome.Completed() && !decoder_.LogProblem().empty())
            messages_.ShowMessage(decoder_.LogProblem());
    });
    EndAfterCycle(session_.Finish());
}

void GaugeWindow::RecordOutcome(const CycleOutcome& outcome) {
    // The lamp and the title say whether it failed; the description says why.
    const auto received = shown_.Record(
        InShownWords(outcome),
        {session_.Report(), std::string(StationIdOf(fetchedStation_)), decoder_.LogProblem(),
         FtpBlocked(outcome, settings_.Host, settingstable::kHost.Default)});
    if (received)
        history_->Record(*received, settings_.KeepHistory);
    if (options_ != nullptr)
        options_->ShowReport();
    RefreshFaceStatus();
    RefreshDescription();
}

void GaugeWindow::OnUpdateTimer() {
    RunCycle(true);
}

void GaugeWindow::FetchChosenStation() {
    if (session_.State() == SessionState::Running)
        stationFetchDelay_->start();
    const std::string_view identifier = StationIdOf(settings_.StationFile);
    const bool complete =
        IsIdentifierLike(identifier) && StationFileName(identifier) == settings_.StationFile;
    if (session_.State() != SessionState::Idle || firstActivation_ || !complete ||
        settings_.StationFile == fetchedStation_)
        return;
    settings_.RecentStations = WithRecentStation(settings_.RecentStations, identifier);
    updateTimer_->start();
    UpdateNow();
}

void GaugeWindow::SaveAndExit() {
    if (session_.RequestExit())
        SaveAndEnd();
}

bool GaugeWindow::SaveAndEnd() {
    bool saved = false;
    Guarded([&] {
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
    Guarded([this] {
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

void GaugeWindow::HubPressed(Qt::MouseButton button) {
    MouseButton hub = MouseButton::Left;
    if (button == Qt::RightButton)
        hub = MouseButton::Right;
    else if (button == Qt::MiddleButton)
        hub = MouseButton::Middle;
    else if (button != Qt::LeftButton)
        return;
    Guarded([&] {
        GetGauges().HubPressed(hub);
        RepaintSkin();
        RefreshDescription();
    });
}

void GaugeWindow::SetReferenceToPressure() {
    Guarded([this] {
        GetGauges().SetReferenceToPressure();
        RepaintSkin();
        RefreshDescription();
    });
}

void GaugeWindow::ShapeRoundedRegion(const QRect& rect) {
    windowRegion_ = RoundRectRegion(rect, layout::kCornerEllipse, layout::kCornerEllipse);
    setMask(windowRegion_);
}

void GaugeWindow::SetUpdateInterval(int milliseconds) {
    if (updateTimer_->isActive() && updateTimer_->interval() == milliseconds)
        return;
    updateTimer_->start(milliseconds);
}

void GaugeWindow::StationChanged() {
    stationFetchDelay_->start();
}

void GaugeWindow::ApplyDisplayMode() {
    Guarded([this] {
        ShowSkin();
        RedrawFace();
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
    GetGauges().Unreported = UnreportedNeedles(observation_);
    GetGauges().PresentFrame();
}

bool GaugeWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Guarded([this] { StartOnFirstActivation(); });
    // A cycle's sweep draws on the skins: they change scale once it has ended.
    if (event->type() == QEvent::ScreenChangeInternal &&
        face_->Visible().devicePixelRatio() != devicePixelRatioF())
        session_.WhenIdle([this] { Guarded([this] { Rescale(); }); });
    if (event->type() == QEvent::ToolTip) {
        // Reaches the window from the skin and the gaps between the controls, which have no
        // tooltip of their own; computed now, so the age is current. Escaped: the station's
        // name comes from the server and must never be taken for markup.
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
        Guarded([&] {
            QToolTip::showText(at,
                               "<p style='white-space:pre'>" +
                                   QString::fromStdString(Description()).toHtmlEscaped() + "</p>",
                               this);
        });
        return true;
    }
    return QWidget::event(event);
}

void GaugeWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Showing the window activates it; where no window manager hands out activation, the
    // start-up still runs once the window is up.
    if (firstActivation_)
        QMetaObject::invokeMethod(
            this, [this] { Guarded([this] { StartOnFirstActivation(); }); }, Qt::QueuedConnection);
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

void GaugeWindow::Guarded(const std::function<void()>& handler) {
    // No exception may cross Qt's event loop: every handler's errors end here. While the window
    // is ending, errors of the interrupted work are of no interest to anyone.
    try {
        handler();
    } catch (const CycleAborted&) {
    } catch (const std::exception& error) {
        if (!session_.Ending())
            messages_.ShowMessage(error.what());
    } catch (...) {
        if (!session_.Ending())
            messages_.ShowMessage(tr("An unknown error occurred").toStdString());
    }
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

void GaugeWindow::ShowSkin() {
    const bool english = observation_.DisplayMode == DisplayMode::English;
    parts_.EnglishSkin->setVisible(english);
    parts_.MetricSkin->setVisible(!english);
}

void GaugeWindow::RepaintSkin() {
    (parts_.EnglishSkin->isHidden() ? parts_.MetricSkin : parts_.EnglishSkin)->repaint();
}

void GaugeWindow::RedrawFace() {
    GetGauges().Unreported = UnreportedNeedles(observation_);
    GetGauges().UpdatePressSet();
    GetGauges().DrawNeedles();
    RepaintSkin();
    RefreshDescription();
}

bool GaugeWindow::ApplyFaceStatus() {
    const ReadingContext& context = shown_.Context();
    const FaceStatus status = DescribeFaceStatus(context, clock_, QtWording());
    stationLine_->SetLine(status.StationLine);
    const std::optional<int> gust =
        context.Figures.Wind ? context.Figures.Wind->GustKnots : std::nullopt;
    Gauges& gauges = GetGauges();
    bool changed = face_->SetStationLine(status.StationLine);
    changed = changed || gauges.Dimmed != status.Doubtful || gauges.GustKnots != gust;
    gauges.Dimmed = status.Doubtful;
    gauges.GustKnots = gust;
    return changed;
}

void GaugeWindow::RefreshFaceStatus() {
    if (!firstActivation_ && ApplyFaceStatus())
        RedrawFace();
}

void GaugeWindow::Rescale() {
    face_->Rescale(devicePixelRatioF());
    // Before the start-up the skins show as painted; the needles come with it.
    if (firstActivation_)
        RepaintSkin();
    else
        RedrawFace();
}

std::string GaugeWindow::Description() const {
    // The green lamp's state, which the reading does not know of.
    const std::string fetching =
        lamps_->Fetching() ? tr("Fetching a report now.").toStdString() + "\n" : "";
    std::string description = fetching + DescribeGauge(observation_, face_->GetGauges().PressSet,
                                                       shown_.Context(), clock_, QtWording());
    if (const std::string note = history_->Note(); !note.empty())
        description += (description.ends_with('\n') ? "" : "\n") + note.substr(0, note.size() - 1);
    if (SessionBusSkipped())
        description += (description.ends_with('\n') ? "" : "\n") + SessionBusNote();
    return description;
}

void GaugeWindow::RefreshDescription() {
    setAccessibleDescription(QString::fromStdString(Description()));
}

CycleSettings GaugeWindow::CurrentCycleSettings() const {
    return {settings_.Host,     settings_.ReportDirectory, settings_.StationFile,
            settings_.UseProxy, ftpSettings_->ProxyPort(), settings_.LogReports};
}

} // namespace stormbell
