// The gauge window: the skin with its needles, the lamps, the altimeter hub, the bar
// buttons, the update timer and the cycle's session; borderless, rounded, dragged by its skin.
// Hovering the skin, and a screen reader, tell the reading in words with its age.
#pragma once

#include "app/CycleSession.h"
#include "app/ShownReading.h"
#include "app/qt/EventLoopPause.h"
#include "app/qt/Lamp.h"
#include "app/qt/QtMessageSink.h"
#include "app/qt/QtStatusLine.h"
#include "app/qt/StormAlert.h"
#include "app/qt/ThreadRunner.h"
#include "app/qt/WindowParts.h"
#include "gauges/GaugeDescription.h"
#include "observation/FramePresenter.h"
#include "observation/Observation.h"
#include "observation/ReportDecoder.h"
#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

namespace stormbell {

class FtpSettingsDialog;
class GaugeFace;
class GaugeHistory;
class Gauges;
class OptionsDialog;
class StationLineLabel;

/// Ends the program with an exit code: leaves the event loop in the program, records in tests.
using ProgramEnd = std::function<void(int exitCode)>;

class GaugeWindow final : public QWidget, public OptionsHost, public FramePresenter {
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
    /// The update cycle, unless one is running already (then nothing happens). Its outcome is
    /// recorded for the description; the window stays open.
    void UpdateNow();
    /// Saves every setting and ends the program with code 0; during a cycle, first ends the
    /// cycle. A failed save is shown and the program goes on.
    void SaveAndExit();
    /// Shows the options dialog without waiting for it.
    void ShowOptions();
    /// Brings up the history window for the shown station (also Ctrl+H).
    void ShowHistory() override;
    /// Minimises the gauge.
    void Minimise();
    /// A press on the hub turns the reference hand (left on, right back, middle redraws).
    void HubPressed(Qt::MouseButton button);
    /// Turns the reference hand to where the pressure needle points; saved as a hub click is.
    void SetReferenceToPressure();
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
    Gauges& GetGauges();
    /// The reading history: storage of each reading, its trend, the history window.
    GaugeHistory& History() { return *history_; }

    // OptionsHost
    void SetUpdateInterval(int milliseconds) override;
    /// Starts StationFetchDelay, or starts it again.
    void StationChanged() override;
    void ApplyDisplayMode() override;
    void ShowFtpSettings() override;
    void ShowError(const std::string& message) override;
    const std::string& LastReport() const override;
    // FramePresenter: one sweep frame on the current face, painted at once.
    void PresentFrame() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Guarded(const std::function<void()>& handler);
    /// The timer's cycle, which may find the report unchanged.
    void OnUpdateTimer();
    /// The end of StationFetchDelay: a complete identifier's station other than the one fetched
    /// last is fetched now, and the update timer's interval runs from this fetch; a running cycle
    /// finishes first.
    void FetchChosenStation();
    /// UpdateNow's work; `ifChanged` as in CycleSettings. A log that failed is told in the
    /// description, and in a box after the reading is shown only when not `ifChanged` (asked for).
    void RunCycle(bool ifChanged);
    /// After the system's close: hides the dialogs and ends the program.
    void EndProgram();
    /// Tells the reading and the dialog what the cycle came to.
    void RecordOutcome(const CycleOutcome& outcome);
    /// Finishes the exit or close asked for while the cycle that ended in `ended` ran.
    void EndAfterCycle(SessionState ended);
    /// The exit button's save, then the end; a failed save is shown and gives false.
    bool SaveAndEnd();
    void ShowSkin();
    void RepaintSkin();
    /// The needles and the reference hand drawn again on the current skin, shown and described.
    void RedrawFace();
    /// The station line, the needles' dimming and the gust hand as the reading now has them;
    /// true when any of them changed (the face then needs RedrawFace).
    bool ApplyFaceStatus();
    /// ApplyFaceStatus, and the redraw when something changed.
    void RefreshFaceStatus();
    /// The skins at the screen's scale, the needles redrawn on them.
    void Rescale();
    CycleSettings CurrentCycleSettings() const;
    std::string Description() const;
    void RefreshDescription();

    SettingsStore& store_;
    Settings& settings_;
    Observation& observation_;
    const Clock& clock_;
    ProgramEnd end_;
    OptionsDialog* options_ = nullptr;
    FtpSettingsDialog* ftpSettings_ = nullptr;
    std::unique_ptr<GaugeFace> face_;
    WindowParts parts_;
    QTimer* updateTimer_ = nullptr;
    QTimer* stationFetchDelay_ = nullptr;
    std::string fetchedStation_; ///< the station file the last cycle fetched
    QTimer* ageTimer_ = nullptr; ///< lets the station line tell a reading's age as it grows
    std::unique_ptr<WindowLamps> lamps_;
    QtStatusLine status_;
    QtMessageSink messages_;
    EventLoopPause pause_;
    ThreadRunner runner_;
    ReportDecoder decoder_;
    ShownReading shown_;
    StormAlert stormAlert_;
    StationLineLabel* stationLine_ = nullptr;
    CycleSession session_;
    std::unique_ptr<GaugeHistory> history_;
    QRegion windowRegion_;
    bool firstActivation_ = true;
};

} // namespace stormbell
