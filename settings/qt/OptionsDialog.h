// The options dialog: the last report, the station, the update interval, English or
// metric scales, logging, run on start, printing and the way to the FTP settings.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "observation/Observation.h"
#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "settings/qt/ToolDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace stormbell {

class ReportPrinting;
class SpinEdit;
class StationFinder;
class StationListModel;

class OptionsDialog final : public ToolDialog {
    Q_OBJECT
public:
    OptionsDialog(Settings& settings, Observation& observation, OptionsHost& host,
                  QWidget* parent = nullptr);
    ~OptionsDialog() override;

    /// Shows the host's last report in ReportView, line by line, once ReportView is built
    /// (building it shows the report too). The window calls it after each cycle.
    void ShowReport();

    /// Start-up: selects the Display mode row (0 English, 1 Metric); DisplayModePicked runs when
    /// the selection changes. Any other row changes nothing.
    void SetDisplayModeRow(int row);
    /// Replaces the printing that PrintReport uses (tests print to a file).
    void SetPrinting(std::unique_ptr<ReportPrinting> printing);

    /// Every activation: shows the station file's identifier, the row of the station it names
    /// (PickedStationRow's row when the directory has no such station), UpdateMinutes, LogReports
    /// and FetchAtStart; a row outside the list leaves no selection and StationNameField empty.
    /// PickedStationRow does not change.
    void ShowSettings() override;
    /// StationFile := StationIdField's station file name, unless the field holds one already
    /// (case counts), then upper-cased. A station the directory holds gets its row selected and
    /// shown; PickedStationRow does not change. StationNote shows unless the field names one.
    void StationIdTyped();
    /// UpdateMinutes := the spin's value limited to 1..1440; the update timer takes it in
    /// milliseconds.
    void IntervalChanged();
    /// The user picked a row: PickedStationRow (the row's number in the directory, whatever the
    /// search shows), StationNameField and, through StationIdField, StationFile follow it; the
    /// window is told the station changed.
    void StationPicked();
    /// LogReports := the check state.
    void LogToggled();
    /// FetchAtStart := the check state.
    void FetchAtStartToggled();
    /// DisplayMode := the selected row (Metric for row 1, else English); the window switches skins
    /// and redraws at once.
    void DisplayModePicked();
    /// Shows the FTP settings dialog.
    void OpenFtpSettings();
    /// Prints the last report's lines through the printing SetPrinting gave (the report under
    /// a heading of its station and times, at first), after the printer dialog; nothing when it
    /// is cancelled. A job that cannot start is reported through OptionsHost::ShowError.
    void PrintReport();

    QGroupBox* ReportFrame = nullptr;
    QPlainTextEdit* ReportView = nullptr;
    QListView* StationList = nullptr;
    QLineEdit* StationNameField = nullptr;
    QLabel* StationLabel = nullptr;
    QLineEdit* StationIdField = nullptr;
    QLabel* StationNote = nullptr;
    QPushButton* PrintButton = nullptr;
    QLabel* VersionPanel = nullptr;
    QCheckBox* LogCheckBox = nullptr;
    QCheckBox* FetchAtStartCheckBox = nullptr;
    QCheckBox* StormAlertsCheckBox = nullptr;
    QLabel* IntervalLabel = nullptr;
    SpinEdit* IntervalSpin = nullptr;
    QGroupBox* DisplayModeGroup = nullptr;
    QRadioButton* RadioEnglish = nullptr;
    QRadioButton* RadioMetric = nullptr;
    QPushButton* FtpSettingsButton = nullptr;
    QPushButton* HistoryButton = nullptr; ///< opens the reading history's window

protected:
    /// A search the dialog was left with is not there when it is shown again.
    void hideEvent(QHideEvent* event) override;

private:
    void BuildControls() override;
    /// The user typed into StationIdField: the window is told the station changed.
    void StationIdEdited();
    QWidget* FirstField() const override;
    /// Selects `row` without running StationPicked, scrolls to it and shows its text in
    /// StationNameField; a row outside the list leaves no selection and StationNameField empty.
    void SelectStationRow(int row);
    /// The directory's row of the station StationFile names, if it holds that station.
    std::optional<int> CurrentStationRow() const;
    /// The directory row highlighted in the list; -1 for none.
    int HighlightedRow() const;

    Settings& settings_;
    Observation& observation_;
    OptionsHost& host_;
    std::unique_ptr<ReportPrinting> printer_;
    StationListModel* stations_ = nullptr;
    StationFinder* finder_ = nullptr;
    int displayRow_ = -1;       ///< the selected Display mode row, none at first
    bool selectingRow_ = false; ///< the program, not the user, moves the list's selection
};

} // namespace stormbell
