// The options dialog itself: reading the settings into its controls, the report it shows, and
// what the interval, the scales, the FTP button and printing change.
#include "settings/qt/OptionsDialog.h"

#include "observation/ReportLines.h"
#include "platform/qt/ProgramModule.h"
#include "printing/qt/GaugePrintout.h"
#include "settings/SettingsTable.h"
#include "settings/qt/SettingCheckBox.h"
#include "settings/qt/SpinEdit.h"
#include "settings/qt/StationFinder.h"
#include "settings/stations/StationDirectory.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <stdexcept>
#include <utility>

namespace stormbell {
namespace {

// The design's client area, the least the dialog is given, and its first place on the screen.
constexpr QSize kSmallest(496, 366);
constexpr QPoint kFirstPlace(209, 87);

constexpr int kMillisecondsPerMinute = 60000;

// The heading's times, until the window hands over its own printing.
const SystemClock kSystemClock;

} // namespace

OptionsDialog::OptionsDialog(Settings& settings, Observation& observation, OptionsHost& host,
                             QWidget* parent)
    : ToolDialog(tr("Stormbell Options"), kSmallest, kFirstPlace, parent), settings_(settings),
      observation_(observation), host_(host),
      printer_(std::make_unique<GaugePrintout>(
          std::make_unique<ModulePrinting>(ProgramModuleFolders()), kSystemClock)) {}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::ShowReport() {
    if (ReportView == nullptr)
        return;
    // The report is single-byte text, shown a line to a row whatever its line ends.
    QStringList texts;
    for (const std::string& line : SplitReportLines(host_.LastReport()))
        texts << QString::fromLatin1(line);
    ReportView->setPlainText(texts.join('\n'));
}

void OptionsDialog::SetDisplayModeRow(int row) {
    if (row != 0 && row != 1)
        return;
    if (RadioEnglish != nullptr)
        (row == 1 ? RadioMetric : RadioEnglish)->setChecked(true);
    else if (row != displayRow_) {
        // Before the first show the row waits for the buttons, changing what they would.
        displayRow_ = row;
        DisplayModePicked();
    }
}

void OptionsDialog::SetPrinting(std::unique_ptr<ReportPrinting> printing) {
    printer_ = std::move(printing);
}

void OptionsDialog::ShowSettings() {
    StationIdField->setText(QString::fromLatin1(StationIdOf(settings_.StationFile)));
    // The list and the station field agree: PickedStationRow only says which row was picked last,
    // and the station may have been typed since. A search under way stays as the user left it.
    if (!finder_->Searching())
        SelectStationRow(CurrentStationRow().value_or(settings_.PickedStationRow));
    IntervalSpin->setValue(settings_.UpdateMinutes);
    for (SettingCheckBox* box : checkBoxes_)
        box->ShowSetting();
}

void OptionsDialog::IntervalChanged() {
    settings_.UpdateMinutes = settingstable::kUpdateMinutes.Rule.Clamped(IntervalSpin->value());
    host_.SetUpdateInterval(settings_.UpdateMinutes * kMillisecondsPerMinute);
}

void OptionsDialog::DisplayModePicked() {
    observation_.DisplayMode = displayRow_ == 1 ? DisplayMode::Metric : DisplayMode::English;
    host_.ApplyDisplayMode();
}

void OptionsDialog::OpenFtpSettings() {
    host_.ShowFtpSettings();
}

void OptionsDialog::PrintReport() {
    try {
        const std::vector<std::string> lines = SplitReportLines(host_.LastReport());
        printer_->Print(this, lines);
    } catch (const std::exception& error) {
        host_.ShowError(error.what());
    }
}

} // namespace stormbell
