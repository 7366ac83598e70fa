#include "app/qt/GaugeWindow.h"

#include "app/qt/BarButton.h"
#include "app/qt/BarGlyph.h"
#include "app/qt/CircleShape.h"
#include "app/qt/CycleAborted.h"
#include "app/qt/SkinView.h"
#include "app/qt/SunkenPanel.h"
#include "app/qt/WindowRegion.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/GaugeFace.h"
#include "gauges/qt/QtCanvas.h"
#include "net/ReportHost.h"
#include "observation/ReportLines.h"
#include "settings/SettingsPersistence.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FtpSettingsDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <utility>

namespace stormbell {

namespace {

constexpr int kMillisecondsPerMinute = 60000;
constexpr const char* kUnknownError = "An unknown error occurred";
constexpr const char* kWindowName = "Stormbell weather gauge";
constexpr const char* kSaveOnlyHere =
    "save and exit (closing the gauge any other way does not save the settings)";

// The hub's starting look matches the discs the altimeter draws under it.
constexpr Color kHubPen = colors::kHubOuter;
constexpr int kHubPenWidth = 3;
constexpr Color kHubBrush = colors::kReference;

struct ButtonSpec {
    BarButton* GaugeWindow::*Member;
    const char* Name;
    const char* Says; ///< what a screen reader and the button's tooltip call it
    layout::Bounds Bounds;
    Color Bright;
    Color Dark;
    void (GaugeWindow::*Click)();
};

const ButtonSpec kButtons[] = {
    {&GaugeWindow::SpeedButton1, "SpeedButton1", "update now", layout::kSpeedButton1, 0x00FF00,
     0x00BF00, &GaugeWindow::Button1Click},
    {&GaugeWindow::SpeedButton2, "SpeedButton2", "options", layout::kSpeedButton2, 0xFF0000,
     0xBF0000, &GaugeWindow::Panel3Clic},
    {&GaugeWindow::SpeedButton5, "SpeedButton5", "minimise", layout::kSpeedButton5, 0xFFFF00,
     0xBFBF00, &GaugeWindow::Panel4Click},
    {&GaugeWindow::SpeedButton3, "SpeedButton3", "save and exit", layout::kSpeedButton3, 0x0000FF,
     0x0000BF, &GaugeWindow::Button3Click},
};

// Each lamp's highlight dot is named as its lamp: hovering it is hovering the lamp.
struct ShapeName {
    CircleShape* GaugeWindow::*Member;
    const char* Says;
};

const ShapeName kShapeNames[] = {
    {&GaugeWindow::Shape1, "fetching"},
    {&GaugeWindow::Shape4, "fetching"},
    {&GaugeWindow::Shape2, "fetch failed"},
    {&GaugeWindow::Shape3, "fetch failed"},
    {&GaugeWindow::Shape5, "reference hand: left click turns on, right click turns back"},
};

void Name(QWidget& widget, const char* says) {
    widget.setAccessibleName(says);
    widget.setToolTip(says);
}

std::string WhatOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return kUnknownError;
    }
}

QRect ToQRect(layout::Bounds b) {
    return {b.Left, b.Top, b.Width, b.Height};
}

template <typename Widget, typename... Args>
Widget* Place(const char* name, layout::Bounds bounds, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    widget->setGeometry(ToQRect(bounds));
    return widget;
}

} // namespace

GaugeWindow::GaugeWindow(SettingsStore& store, Settings& settings, Observation& observation,
                         const Clock& clock, ProgramEnd end)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), FTP1(std::make_unique<TFTP>()),
      store_(store), settings_(settings), observation_(observation), clock_(clock),
      end_(std::move(end)), status_(*this), messages_(this),
      // The log's lock is waited for on the sweep's pause: the window stays live, and close
      // and exit end the wait.
      decoder_(observation, *this, pause_, status_, messages_, ".", pause_), reading_(clock) {
    setObjectName("Form1");
    // A report is about a kilobyte and the decoder refuses more than kMaxReportBytes; a cap just
    // above that also bounds how long a server trickling at the low-speed limit can hold a cycle.
    FTP1->MaxDownloadSize = kMaxReportBytes + 1;
    https_ = std::make_unique<HttpsClient>();
    https_->MaxDownloadSize = kMaxReportBytes + 1;
    ftpClient_ = std::make_unique<FtpReportClient>(*FTP1);
    client_ = std::make_unique<RoutingClient>(*ftpClient_, *https_);
    setAccessibleName(kWindowName);
    // A gauge on the desktop is rarely the active window, and hovering it should still tell.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(colors::kSkinBackground));
    setPalette(background);
    setAutoFillBackground(true);
    movesItself_ = !QGuiApplication::platformName().startsWith("wayland");

    face_ =
        std::make_unique<GaugeFace>(observation_, devicePixelRatioF(), [this] { RepaintSkin(); });
    const auto visible = [this]() -> const QImage& { return face_->Visible(); };
    Image1 = Place<SkinView>("Image1", layout::kImage, visible, this);
    Image3 = Place<SkinView>("Image3", layout::kImage, visible, this);
    Shape1 = Place<CircleShape>("Shape1", layout::kShape1, this);
    Shape2 = Place<CircleShape>("Shape2", layout::kShape2, this);
    Shape3 = Place<CircleShape>("Shape3", layout::kShape3, this);
    Shape4 = Place<CircleShape>("Shape4", layout::kShape4, this);
    Shape5 = Place<CircleShape>("Shape5", layout::kShape5, this);
    Shape5->OnMouseDown = [this](Qt::MouseButton button) { Shape5MouseDown(button); };
    Panel5 = Place<SunkenPanel>("Panel5", layout::kPanel5, this);
    for (const ButtonSpec& bar : kButtons) {
        BarButton* button =
            Place<BarButton>(bar.Name, bar.Bounds, BarGlyphStrip(bar.Bright, bar.Dark), Panel5);
        connect(button, &QAbstractButton::clicked, this, bar.Click);
        Name(*button, bar.Says);
        this->*bar.Member = button;
    }
    // Only this bar saves: a close by the system quits as it stands.
    SpeedButton3->setToolTip(kSaveOnlyHere);
    for (const ShapeName& shape : kShapeNames)
        Name(*(this->*shape.Member), shape.Says);
    lamps_ = std::make_unique<WindowLamps>(LampShapes{*Shape1, *Shape2, *Shape3, *Shape4});
    ShowSkin();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &GaugeWindow::Timer1Timer);

    LoadWindowPosition(store_, settings_);
    move(settings_.FLeft, settings_.FTop);
}

GaugeWindow::~GaugeWindow() = default;

void GaugeWindow::AttachDialogs(OptionsDialog& options, FtpSettingsDialog& ftpSettings) {
    options_ = &options;
    ftpSettings_ = &ftpSettings;
    cycle_ = std::make_unique<UpdateCycle>(*client_, *lamps_, status_, options, runner_,
                                           [this](const std::vector<std::string>& lines,
                                                  bool logIt) { decoder_.BreakOut(lines, logIt); });
}

Gauges& GaugeWindow::GetGauges() {
    return face_->GetGauges();
}

void GaugeWindow::FormActivate() {
    if (!firstActivation_)
        return;
    Gauges& gauges = GetGauges();
    LoadSettings(store_, settings_, observation_, gauges.OHumidLoc);
    gauges.PressSet = gauges.OHumidLoc;
    ftpSettings_->ApplyStartupSettings();
    options_->SetDisplayModeRow(observation_.DisplayMode == DisplayMode::Metric ? 1 : 0);
    ShowSkin();
    FTP1->Username = nettexts::AnonymousUsername;
    FTP1->Password = nettexts::AnonymousPassword;
    FTP1->Hostname = settings_.Host;
    FTP1->URI = settings_.OCityStr;
    move(settings_.FLeft, settings_.FTop);
    DrawRndRectRegion(rect());
    gauges.NeedleColor = colors::kNeedle;
    lamps_->SetLampState(LampState::Idle);
    Shape5->SetPen(kHubPen, kHubPenWidth);
    Shape5->SetBrush(kHubBrush);
    gauges.UpdatePressSet();
    gauges.DrawNeedles();
    RepaintSkin();
    SetUpdateInterval(settings_.TValue * kMillisecondsPerMinute);
    RefreshDescription();
    firstActivation_ = false;
    if (const std::string notice = store_.StartupNotice(); !notice.empty())
        messages_.ShowMessage(notice);
    if (settings_.RunOnStart)
        Button1Click();
}

void GaugeWindow::Button1Click() {
    if (cycleRunning_ || !cycle_)
        return;
    cycleRunning_ = true;
    pause_.Reset();
    runner_.Reset();
    Guarded([this] {
        reading_.RecordCycle([this] { return cycle_->Button1Click(CurrentCycleSettings()); },
                             *options_);
        // The lamp and the title say that it failed; the description says why.
        if (const std::exception_ptr failure = cycle_->FetchError())
            reading_.RecordFailure(WhatOf(failure));
    });
    reading_.SetFtpBlocked(
        FtpConnectionFailed(settings_.Host, cycle_->FetchError(), settingstable::kHost.Default));
    cycleRunning_ = false;
    Guarded([this] { RefreshDescription(); });
    if (faceRebuildPending_)
        Guarded([this] { RebuildFace(); });
    FinishDeferredEnd();
}

void GaugeWindow::Timer1Timer() {
    Button1Click();
}

void GaugeWindow::Button3Click() {
    if (cycleRunning_) {
        exitRequested_ = true;
        AbortCycle();
        return;
    }
    SaveAndEnd();
}

bool GaugeWindow::SaveAndEnd() {
    bool saved = false;
    Guarded([&] {
        SaveSettings(store_, settings_, observation_, GetGauges().OHumidLoc, x(), y());
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
        GetGauges().Shape5MouseDown(hub);
        RepaintSkin();
        RefreshDescription();
    });
}

void GaugeWindow::FormMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) {
        // Some platforms (Wayland) refuse to let a window place itself; the system moves it.
        if (!movesItself_ && windowHandle() != nullptr && windowHandle()->startSystemMove())
            return;
        dragging_ = true;
    }
    if (dragging_)
        dragPoint_ = mapToGlobal(QPoint(x, y));
}

void GaugeWindow::FormMouseMove(int x, int y) {
    if (!dragging_)
        return;
    const QPoint p = mapToGlobal(QPoint(x, y));
    if (p != dragPoint_)
        move(pos() + (p - dragPoint_));
    dragPoint_ = p;
}

void GaugeWindow::FormMouseUp(Qt::MouseButton button, int, int) {
    if (button == Qt::LeftButton)
        dragging_ = false;
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
    if (event->type() == QEvent::ScreenChangeInternal &&
        face_->Visible().devicePixelRatio() != devicePixelRatioF())
        Guarded([this] { RebuildFace(); });
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
    if (cycleRunning_) {
        // The cycle's frames are still on the stack: end it first, close when it has unwound.
        closeRequested_ = true;
        AbortCycle();
        event->ignore();
        return;
    }
    FormCloseQuery();
    FormClose();
    event->accept();
}

void GaugeWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = mapFromGlobal(event->globalPosition().toPoint());
    FormMouseDown(event->button(), p.x(), p.y());
}

void GaugeWindow::mouseMoveEvent(QMouseEvent* event) {
    // Client coordinates from the pointer's screen position: while a move is on its way to the
    // window system, the event's own client position still refers to the old place.
    const QPoint p = mapFromGlobal(event->globalPosition().toPoint());
    FormMouseMove(p.x(), p.y());
}

void GaugeWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = mapFromGlobal(event->globalPosition().toPoint());
    FormMouseUp(event->button(), p.x(), p.y());
}

void GaugeWindow::Guarded(const std::function<void()>& handler) {
    // No exception may cross Qt's event loop: every handler's errors end here. While the window
    // is ending, errors of the interrupted work are of no interest to anyone.
    try {
        handler();
    } catch (const CycleAborted&) {
    } catch (const std::exception& error) {
        if (!closeRequested_ && !exitRequested_)
            messages_.ShowMessage(error.what());
    } catch (...) {
        if (!closeRequested_ && !exitRequested_)
            messages_.ShowMessage(kUnknownError);
    }
}

void GaugeWindow::FormCloseQuery() {
    cycle_.reset();
    client_.reset();
    ftpClient_.reset();
    https_.reset();
    FTP1.reset();
}

void GaugeWindow::FormClose() {
    if (options_ != nullptr)
        options_->hide();
    if (ftpSettings_ != nullptr)
        ftpSettings_->hide();
    end_(0);
}

void GaugeWindow::AbortCycle() {
    pause_.Abort();
    runner_.Abort();
    if (client_)
        client_->Abort();
}

void GaugeWindow::FinishDeferredEnd() {
    const bool exit = std::exchange(exitRequested_, false);
    const bool close = std::exchange(closeRequested_, false);
    if (!exit && !close)
        return;
    // The cycle was cut short: its lamps mean nothing any more.
    lamps_->SetLampState(LampState::Idle);
    if (exit && SaveAndEnd())
        return;
    // A close asked for as well still ends the program when the save failed.
    if (close)
        this->close();
}

void GaugeWindow::ShowSkin() {
    const bool english = observation_.DisplayMode == DisplayMode::English;
    Image1->setVisible(english);
    Image3->setVisible(!english);
}

void GaugeWindow::RepaintSkin() {
    (Image1->isHidden() ? Image3 : Image1)->repaint();
}

void GaugeWindow::RebuildFace() {
    if (cycleRunning_) {
        faceRebuildPending_ = true;
        return;
    }
    faceRebuildPending_ = false;
    const Gauges& old = GetGauges();
    const std::uint16_t pressSet = old.PressSet;
    const std::uint16_t ohumidLoc = old.OHumidLoc;
    const Color needleColor = old.NeedleColor;
    face_ =
        std::make_unique<GaugeFace>(observation_, devicePixelRatioF(), [this] { RepaintSkin(); });
    Gauges& gauges = GetGauges();
    gauges.PressSet = pressSet;
    gauges.OHumidLoc = ohumidLoc;
    gauges.NeedleColor = needleColor;
    if (!firstActivation_) {
        gauges.UpdatePressSet();
        gauges.DrawNeedles();
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
    return {settings_.Host,     settings_.Direct1,         settings_.OCityStr,
            settings_.UseProxy, ftpSettings_->ProxyPort(), settings_.LogIt};
}

} // namespace stormbell
