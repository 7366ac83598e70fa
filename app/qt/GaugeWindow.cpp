#include "app/qt/GaugeWindow.h"

#include "app/qt/CircleShape.h"
#include "app/qt/CycleAborted.h"
#include "app/qt/SkinView.h"
#include "app/qt/WindowDrag.h"
#include "app/qt/WindowRegion.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/GaugeFace.h"
#include "net/ReportHost.h"
#include "settings/SettingsPersistence.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/OptionsDialog.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include <utility>

namespace stormbell {

namespace {

constexpr int kMillisecondsPerMinute = 60000;
constexpr const char* kUnknownError = "An unknown error occurred";

// The hub's starting look matches the discs the altimeter draws under it.
constexpr Color kHubPen = colors::kHubOuter;
constexpr int kHubPenWidth = 3;
constexpr Color kHubBrush = colors::kReference;

std::string WhatOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return kUnknownError;
    }
}

} // namespace

GaugeWindow::GaugeWindow(SettingsStore& store, Settings& settings, Observation& observation,
                         const Clock& clock, ProgramEnd end, const ClientLimits& limits)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), store_(store), settings_(settings),
      observation_(observation), clock_(clock), end_(std::move(end)),
      face_(std::make_unique<GaugeFace>(observation_, devicePixelRatioF(),
                                        [this] { RepaintSkin(); })),
      parts_(BuildWindowParts(*this, [this]() -> const QImage& { return face_->Visible(); },
                              {[this] { Button1Click(); }, [this] { Panel3Clic(); },
                               [this] { Panel4Click(); }, [this] { Button3Click(); }})),
      lamps_(std::make_unique<WindowLamps>(
          LampShapes{*parts_.Shape1, *parts_.Shape2, *parts_.Shape3, *parts_.Shape4})),
      status_(*this), messages_(this),
      // The log's lock is waited for on the sweep's pause: the window stays live, and close
      // and exit end the wait.
      decoder_(observation, *this, pause_, status_, messages_, ".", pause_), reading_(clock),
      session_(*lamps_, status_, pause_, runner_, limits) {
    parts_.Shape5->OnMouseDown = [this](Qt::MouseButton button) { Shape5MouseDown(button); };
    new WindowDrag(*this); // a child of the window, which it follows
    ShowSkin();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &GaugeWindow::Timer1Timer);

    LoadWindowPosition(store_, settings_);
    move(settings_.WindowLeft, settings_.WindowTop);
}

GaugeWindow::~GaugeWindow() = default;

void GaugeWindow::AttachDialogs(OptionsDialog& options, FtpSettingsDialog& ftpSettings) {
    options_ = &options;
    ftpSettings_ = &ftpSettings;
    session_.Attach(options, [this](const std::vector<std::string>& lines, bool logIt) {
        decoder_.BreakOut(lines, logIt);
    });
}

Gauges& GaugeWindow::GetGauges() {
    return face_->GetGauges();
}

void GaugeWindow::FormActivate() {
    if (!firstActivation_)
        return;
    Gauges& gauges = GetGauges();
    LoadSettings(store_, settings_, observation_, gauges.StoredPressSet);
    gauges.PressSet = gauges.StoredPressSet;
    ftpSettings_->ApplyStartupSettings();
    options_->SetDisplayModeRow(observation_.DisplayMode == DisplayMode::Metric ? 1 : 0);
    ShowSkin();
    move(settings_.WindowLeft, settings_.WindowTop);
    DrawRndRectRegion(rect());
    gauges.NeedleColor = colors::kNeedle;
    lamps_->SetLampState(LampState::Idle);
    parts_.Shape5->SetPen(kHubPen, kHubPenWidth);
    parts_.Shape5->SetBrush(kHubBrush);
    gauges.UpdatePressSet();
    gauges.DrawNeedles();
    RepaintSkin();
    SetUpdateInterval(settings_.UpdateMinutes * kMillisecondsPerMinute);
    RefreshDescription();
    firstActivation_ = false;
    if (const std::string notice = store_.StartupNotice(); !notice.empty())
        messages_.ShowMessage(notice);
    if (settings_.FetchAtStart)
        Button1Click();
}

void GaugeWindow::Button1Click() {
    if (!session_.Begin())
        return;
    UpdateCycle& cycle = session_.Cycle();
    Guarded([&] {
        reading_.RecordCycle([&] { return cycle.Run(CurrentCycleSettings()); }, *options_);
        // The lamp and the title say that it failed; the description says why.
        if (const std::exception_ptr failure = cycle.FetchError())
            reading_.RecordFailure(WhatOf(failure));
    });
    reading_.SetFtpBlocked(
        FtpConnectionFailed(settings_.Host, cycle.FetchError(), settingstable::kHost.Default));
    Guarded([this] { RefreshDescription(); });
    EndAfterCycle(session_.Finish());
}

void GaugeWindow::Timer1Timer() {
    Button1Click();
}

void GaugeWindow::Button3Click() {
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

void GaugeWindow::Panel3Clic() {
    if (options_ != nullptr && !options_->isVisible())
        options_->show();
}

void GaugeWindow::Panel4Click() {
    if (!isMinimized())
        showMinimized();
}

void GaugeWindow::Shape5MouseDown(Qt::MouseButton button) {
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

void GaugeWindow::DrawRndRectRegion(const QRect& rect) {
    windowRegion_ = RoundRectRegion(rect, layout::kCornerEllipse, layout::kCornerEllipse);
    setMask(windowRegion_);
}

void GaugeWindow::SetUpdateInterval(int milliseconds) {
    if (Timer1->isActive() && Timer1->interval() == milliseconds)
        return;
    Timer1->start(milliseconds);
}

void GaugeWindow::ApplyDisplayMode() {
    Guarded([this] {
        ShowSkin();
        GetGauges().UpdatePressSet();
        GetGauges().DrawNeedles();
        RepaintSkin();
        RefreshDescription();
    });
}

void GaugeWindow::ShowFtpSettings() {
    if (ftpSettings_ != nullptr)
        ftpSettings_->show();
}

void GaugeWindow::ShowError(const std::string& message) {
    messages_.ShowMessage(message);
}

void GaugeWindow::PresentFrame() {
    GetGauges().PresentFrame();
}

bool GaugeWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Guarded([this] { FormActivate(); });
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
            this, [this] { Guarded([this] { FormActivate(); }); }, Qt::QueuedConnection);
}

void GaugeWindow::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: the client goes, unless a cycle still runs on it; then the close comes
    // again once the cycle has unwound.
    if (!session_.RequestClose()) {
        event->ignore();
        return;
    }
    FormClose();
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
            messages_.ShowMessage(kUnknownError);
    }
}

void GaugeWindow::FormClose() {
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
    parts_.Image1->setVisible(english);
    parts_.Image3->setVisible(!english);
}

void GaugeWindow::RepaintSkin() {
    (parts_.Image1->isHidden() ? parts_.Image3 : parts_.Image1)->repaint();
}

void GaugeWindow::Rescale() {
    face_->Rescale(devicePixelRatioF());
    if (!firstActivation_) {
        GetGauges().UpdatePressSet();
        GetGauges().DrawNeedles();
    }
    RepaintSkin();
}

std::string GaugeWindow::Description() const {
    return DescribeGauge(observation_, face_->GetGauges().PressSet, reading_.Context(), clock_);
}

void GaugeWindow::RefreshDescription() {
    setAccessibleDescription(QString::fromStdString(Description()));
}

CycleSettings GaugeWindow::CurrentCycleSettings() const {
    return {settings_.Host,     settings_.ReportDirectory, settings_.StationFile,
            settings_.UseProxy, ftpSettings_->ProxyPort(), settings_.LogReports};
}

} // namespace stormbell
