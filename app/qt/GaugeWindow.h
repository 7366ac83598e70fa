// The gauge window: the skin with its needles, the lamps, the altimeter hub, the bar
// buttons, the update timer and the cycle's session; borderless, rounded, dragged by its skin.
// Hovering the skin, and a screen reader, tell the reading in words with its age.
#pragma once

#include "app/CycleSession.h"
#include "app/ShownReading.h"
#include "app/qt/EventLoopPause.h"
#include "app/qt/GaugeCommands.h"
#include "app/qt/GaugeEnding.h"
#include "app/qt/HandlerGuard.h"
#include "app/qt/Lamp.h"
#include "app/qt/QtMessageSink.h"
#include "app/qt/QtStatusLine.h"
#include "app/qt/StormAlert.h"
#include "app/qt/ThreadRunner.h"
#include "app/qt/UpdateSchedule.h"
#include "app/qt/WindowFace.h"
#include "app/qt/WindowParts.h"
#include "gauges/GaugeDescription.h"
#include "observation/FramePresenter.h"
#include "observation/Observation.h"
#include "observation/ReportDecoder.h"
#include "platform/qt/QtWording.h"
#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>

namespace stormbell {

class FtpSettingsDialog;
class GaugeFace;
class GaugeHistory;
class GaugeTooltip;
class KeyboardAccess;
class Gauges;
class OptionsDialog;

class GaugeWindow final : public QWidget,
                          public GaugeCommands,
                          public OptionsHost,
                          public FramePresenter {
    Q_OBJECT
public:
    /// Builds every component, loads FLeft and FTop from `store` and places the
    /// window there. Ending the program (exit button, close) goes through `end`. The reading's
    /// age and fetch times come from `clock`, which must outlive the window. The cycle's
    /// clients keep to `limits`.
    GaugeWindow(SettingsStore& store, Settings& settings, Observation& observation,
                const Clock& clock, ProgramEnd end, const ClientLimits& limits = {});
    ~GaugeWindow() override;

    /// Connects the dialogs, which are created after the window.
    void AttachDialogs(OptionsDialog& options, FtpSettingsDialog& ftpSettings);

    /// The start-up on the first activation (later ones do nothing): the rest of the settings,
    /// skin, region, lamps, the first drawing, the timer and, with RunOnStart, one cycle. On a
    /// first start the options dialog asks where the user is.
    void StartOnFirstActivation();
    /// Shapes the window as `rect` with corners rounded by the 130 × 130 ellipse.
    void ShapeRoundedRegion(const QRect& rect);

    /// Running from the start of a cycle until its error message, if any, is dismissed; Closed
    /// once the window has closed and the cycle's clients are gone.
    SessionState CycleState() const { return session_.State(); }
    /// The report the running or last cycle fetched, before it is decoded and shown.
    const std::string& FetchedReport() const { return session_.Report(); }
    /// The region the window was given, empty before the first activation.
    const QRegion& WindowRegion() const { return windowRegion_; }
    /// The needles and the reference hand on the current face.
    Gauges& GetGauges() { return view_.GetGauges(); }
    /// The reading history: storage of each reading, its trend, the history window.
    GaugeHistory& History() { return *history_; }

    // GaugeCommands. The cycle's outcome is recorded for the description. The exit ends a
    // running cycle first. The reference hand, turned, is saved as a hub click is.
    void UpdateNow() override { RunCycle(false); }
    void SaveAndExit() override { ending_.Exit(); }
    void ShowOptions() override;
    void ShowHistory() override;
    void SetReferenceToPressure() override;
    void Minimise() override;
    void HubPressed(MouseButton button) override;

    // OptionsHost
    void SetUpdateInterval(int milliseconds) override { schedule_->SetInterval(milliseconds); }
    /// Starts the wait before the chosen station is fetched, or starts it again.
    void StationChanged() override { schedule_->StationChosen(); }
    void ApplyDisplayMode() override;
    void ShowFtpSettings() override;
    void ShowError(const std::string& message) override { messages_.ShowMessage(message); }
    const std::string& LastReport() const override { return shown_.Report(); }
    // FramePresenter: one sweep frame on the current face, painted at once.
    void PresentFrame() override { view_.PresentFrame(); }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    /// The end of StationFetchDelay: a complete identifier's station other than the one fetched
    /// last is fetched now, and the update timer's interval runs from this fetch; a running cycle
    /// finishes first.
    void FetchChosenStation();
    /// UpdateNow's work; `ifChanged` as in CycleSettings. A log that failed is told in the
    /// description, and in a box after the reading is shown only when not `ifChanged` (asked for).
    void RunCycle(bool ifChanged);
    /// Tells the reading and the dialog what the cycle came to.
    void RecordOutcome(const CycleOutcome& outcome);
    /// The face's status as the reading now has it, redrawn when it changed.
    void RefreshFaceStatus();
    void RefreshDescription();
    /// Turns the reference hand by `turn`, then shows and describes it; a failure is shown.
    void TurnReference(const std::function<void()>& turn);

    SettingsStore& store_;
    Settings& settings_;
    Observation& observation_;
    const Clock& clock_;
    const QtWording wording_; // the user's language, for what the core words for the window
    OptionsDialog* options_ = nullptr;
    FtpSettingsDialog* ftpSettings_ = nullptr;
    std::unique_ptr<GaugeFace> face_;
    WindowParts parts_;
    KeyboardAccess* keyboard_;
    WindowFace view_;
    std::string fetchedStation_; ///< the station file the last cycle fetched
    std::unique_ptr<WindowLamps> lamps_;
    QtStatusLine status_;
    QtMessageSink messages_;
    HandlerGuard guard_;
    EventLoopPause pause_;
    ThreadRunner runner_;
    ReportDecoder decoder_;
    ShownReading shown_;
    StormAlert stormAlert_;
    CycleSession session_;
    GaugeEnding ending_;
    std::unique_ptr<GaugeHistory> history_;
    GaugeTooltip* tooltip_ = nullptr;
    UpdateSchedule* schedule_ = nullptr;
    QRegion windowRegion_;
    bool firstActivation_ = true;
};

} // namespace stormbell
