// The options dialog: the last report, the station, the update interval, English or
// metric scales, logging, run on start, storm alerts, printing and the way to the FTP settings
// and the history. On a first start it asks where the user is.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "observation/Observation.h"
#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "settings/qt/ToolDialog.h"

class QGroupBox;
class QLabel;
class QLayout;
class QListView;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace stormbell {

class ReportPrinting;
class SettingCheckBox;
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
    /// The first start: shows the dialog with the line asking where the user is over the search
    /// field, which has the keyboard. The user's first pick emits placeChosen; closing the dialog
    /// without one leaves the settings as they are.
    void AskWhereTheUserIs();

    /// Every activation: shows the station file's identifier, the row of the station it names
    /// (PickedStationRow's row when the directory has no such station), UpdateMinutes and every
    /// check box's setting; a row outside the list leaves no selection. The search field keeps
    /// a search under way, else it is empty. PickedStationRow does not change.
    void ShowSettings() override;
    /// StationFile := StationIdField's station file name, unless the field holds one already
    /// (case counts), then upper-cased. A station the directory holds gets its row selected and
    /// in view; PickedStationRow does not change. StationNote shows unless the field names one.
    void StationIdTyped();
    /// UpdateMinutes := the spin's value limited to 1..1440; the update timer takes it in
    /// milliseconds.
    void IntervalChanged();
    /// The user picked a row: PickedStationRow (the row's number in the directory, whatever the
    /// search shows), StationNameField and, through StationIdField, StationFile follow it; the
    /// window is told the station changed.
    void StationPicked();
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
    QLabel* PlacePrompt = nullptr; ///< the first start's question, over the search field
    QLabel* IntervalLabel = nullptr;
    SpinEdit* IntervalSpin = nullptr;
    QGroupBox* DisplayModeGroup = nullptr;
    QRadioButton* RadioEnglish = nullptr;
    QRadioButton* RadioMetric = nullptr;
    QPushButton* FtpSettingsButton = nullptr;
    QPushButton* HistoryButton = nullptr; ///< opens the reading history's window

signals:
    /// The user picked a station while the dialog asked where the user is.
    void placeChosen();

protected:
    /// A search the dialog was left with is not there when it is shown again.
    void hideEvent(QHideEvent* event) override;

private:
    void BuildControls() override;
    /// The report frame with its view.
    QGroupBox* BuildReportFrame();
    /// The column beside the station list: buttons, check boxes, the interval and the scales.
    QLayout* BuildSideColumn();
    /// The line of the search field and the Station box.
    QLayout* BuildStationLine();
    /// Names, descriptions and the Tab order of the controls, in reading order.
    void DescribeControls();
    /// Hides the first start's question, answered or not.
    void StopAsking();
    /// The user typed into StationIdField: the window is told the station changed.
    void StationIdEdited();
    QWidget* FirstField() const override;
    void SizeToFont() override;
    /// Selects `row` without running StationPicked and scrolls to it; a row outside the list
    /// leaves no selection. StationNameField keeps a search under way, else it is emptied.
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
    std::vector<SettingCheckBox*> checkBoxes_;
    bool asking_ = false;       ///< the first start's question waits for a pick
    int displayRow_ = -1;       ///< the selected Display mode row, none at first
    bool selectingRow_ = false; ///< the program, not the user, moves the list's selection
};

} // namespace stormbell
