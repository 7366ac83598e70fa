// TForm2, the options dialog: the last report, the station, the update interval, English or
// metric scales, logging, run on start, printing and the way to the FTP settings.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "observation/Observation.h"
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

/// What the options dialog asks of the main window.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    /// Timer1's interval; the count restarts only when the interval differs from the current one.
    virtual void SetUpdateInterval(int milliseconds) = 0;
    /// Shows Image1 or Image3 by Observation::DisplayMode, redraws the reference hand and the six
    /// needles on it and repaints the window.
    virtual void ApplyDisplayMode() = 0;
    /// Makes the FTP settings dialog visible, not modally.
    virtual void ShowFtpSettings() = 0;
    /// Shows an error that ended a handler (a print job that could not start), with an OK button.
    virtual void ShowError(const std::string& message) = 0;
    /// The report the last cycle fetched, its bytes as the server sent them; empty before one.
    virtual const std::string& LastReport() const = 0;
};

class OptionsDialog final : public ToolDialog {
    Q_OBJECT
public:
    OptionsDialog(Settings& settings, Observation& observation, OptionsHost& host,
                  QWidget* parent = nullptr);
    ~OptionsDialog() override;

    /// Shows the host's last report in Memo1, line by line, once Memo1 is built (building it
    /// shows the report too). The window calls it after each cycle.
    void ShowReport();

    /// Start-up: selects the Display mode row (0 English, 1 Metric); RadioGroup1Click runs when
    /// the selection changes. Any other row changes nothing.
    void SetDisplayModeRow(int row);
    /// Replaces the printing that Button2Click uses (tests print to a file).
    void SetPrinting(std::unique_ptr<ReportPrinting> printing);

    /// Every activation: shows OCityStr's first four characters, the row of the station it names
    /// (LIndex's row when the directory has no such station), TValue, LogIt and RunOnStart; a
    /// row outside the list leaves no selection and Edit2 empty. LIndex does not change.
    void FormActivate() override;
    /// OCityStr := Edit1 with ".TXT" appended unless it ends so (case counts), then upper-cased.
    /// A station the directory holds gets its row selected and shown; LIndex does not change.
    void Edit1Change();
    /// TValue := the spin's value limited to 1..1440; the update timer takes it in milliseconds.
    void SpinEdit1Change();
    /// The user picked a row: LIndex, Edit2 and, through Edit1, OCityStr follow it.
    void ListBox1Click();
    /// LogIt := the check state.
    void CheckBox1Click();
    /// RunOnStart := the check state.
    void CheckBox2Click();
    /// DisplayMode := the selected row (Metric for row 1, else English); the window switches skins
    /// and redraws at once.
    void RadioGroup1Click();
    /// Shows the FTP settings dialog.
    void Button1Click();
    /// Prints the last report's lines after the printer dialog; nothing when it is cancelled. A job
    /// that cannot start is reported through OptionsHost::ShowError.
    void Button2Click();

    QGroupBox* GroupBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QListView* ListBox1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Panel1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLabel* Label3 = nullptr;
    SpinEdit* SpinEdit1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioEnglish = nullptr;
    QRadioButton* RadioMetric = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void BuildControls() override;
    /// Selects `row` without running ListBox1Click, scrolls to it and shows its text in Edit2; a
    /// row outside the list leaves no selection and Edit2 empty.
    void SelectStationRow(int row);
    /// The directory's row of the station OCityStr names, if it holds that station.
    std::optional<int> CurrentStationRow() const;

    Settings& settings_;
    Observation& observation_;
    OptionsHost& host_;
    std::unique_ptr<ReportPrinting> printer_;
    int displayRow_ = -1;       ///< the selected Display mode row, none at first
    bool selectingRow_ = false; ///< the program, not the user, moves the list's selection
};

} // namespace stormbell
