// TForm2, the options dialog: the last report, the station, the update interval, English or
// metric scales, logging, run on start, printing and the way to the FTP settings.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "observation/Observation.h"
#include "observation/UpdateCycle.h"
#include "settings/Settings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace stormbell {

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
};

class OptionsDialog final : public QWidget, public ReportBox {
    Q_OBJECT
public:
    OptionsDialog(Settings& settings, Observation& observation, OptionsHost& host,
                  QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // ReportBox: Memo1.
    void LoadReport(const std::string& bytes) override;
    std::vector<std::string> Lines() const override;

    /// Start-up: selects the Display mode row (0 English, 1 Metric); RadioGroup1Click runs when
    /// the selection changes.
    void SetDisplayModeRow(int row);

    void FormActivate();
    void Edit1Change();
    void SpinEdit1Change();
    void ListBox1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void RadioGroup1Click();
    void Button1Click();
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

protected:
    bool event(QEvent* event) override;

private:
    Settings& settings_;
    Observation& observation_;
    OptionsHost& host_;
};

} // namespace stormbell
