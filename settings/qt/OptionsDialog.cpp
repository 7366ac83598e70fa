#include "settings/qt/OptionsDialog.h"

#include "generated/Version.h"
#include "observation/ReportLines.h"
#include "platform/qt/QtWording.h"
#include "settings/PrintHeading.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FormPlacement.h"
#include "settings/qt/ProgramModule.h"
#include "settings/qt/ReportPrinting.h"
#include "settings/qt/SpinEdit.h"
#include "settings/qt/StationFinder.h"
#include "settings/qt/StationListModel.h"
#include "settings/stations/StationDirectory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include <stdexcept>
#include <string_view>
#include <utility>

namespace stormbell {
namespace {

// The form, in client-area pixels: left, top, width, height.
// The form's 366 pixels, a line under the Station box for its note and one for the storm alerts.
constexpr QSize kClientSize(496, 401);
constexpr QPoint kFirstPlace(209, 87);
constexpr QRect kReportFrame(8, 8, 481, 169);
constexpr QRect kReportView(8, 16, 465, 145); // inside ReportFrame
constexpr QRect kStationList(8, 184, 393, 145);
constexpr QRect kStationNameField(8, 336, 377, 21);
constexpr QPoint kStationLabel(392, 340);
constexpr QRect kStationIdField(432, 336, 57, 21);
constexpr QRect kStationNote(8, 361, 481, 16);
constexpr QRect kPrintButton(408, 184, 83, 17);
constexpr QRect kVersionPanel(408, 205, 33, 17);
constexpr QRect kLogCheckBox(448, 205, 41, 17);
constexpr QRect kFetchAtStartCheckBox(408, 224, 81, 17);
constexpr QPoint kIntervalLabel(408, 244);
constexpr QRect kIntervalSpin(436, 240, 49, 22);
constexpr QRect kDisplayModeGroup(408, 262, 81, 45);
constexpr QRect kRadioEnglish(8, 14, 69, 14); // inside DisplayModeGroup
constexpr QRect kRadioMetric(8, 28, 69, 14);  // inside DisplayModeGroup
constexpr QRect kFtpSettingsButton(408, 312, 81, 17);
constexpr QRect kHistoryButton(400, 0, 73, 15); // in the report frame's title band
constexpr QRect kStormAlertsCheckBox(8, 380, 377, 17);

constexpr int kListRowHeight = 13;

constexpr auto kMinutes = settingstable::kUpdateMinutes.Rule;
constexpr int kMillisecondsPerMinute = 60000;

// The version label's colours: dark olive face, lime text, 6:1 apart.
const QColor kPanelFace(0x50, 0x50, 0x00);
const QColor kPanelText(0x00, 0xff, 0x00);

/// The station file from the station field: the typed station's file unless the text names a
/// file already (case counts), then a..z upper-cased, so "kjln.txt" gives "KJLN.TXT.TXT".
std::string TypedStationFile(std::string typed) {
    if (!IsStationFileName(typed))
        typed = StationFileName(typed);
    for (char& c : typed)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return typed;
}

/// Gives every row of the station list the form's row height.
class FixedRowHeight final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight};
    }
};

} // namespace

OptionsDialog::OptionsDialog(Settings& settings, Observation& observation, OptionsHost& host,
                             QWidget* parent)
    : ToolDialog(QT_TRANSLATE_NOOP("stormbell::ToolDialog", "Stormbell Options"), kClientSize,
                 kFirstPlace, parent),
      settings_(settings), observation_(observation), host_(host),
      printer_(std::make_unique<ModulePrinting>(ProgramModuleFolders())) {}

void OptionsDialog::BuildControls() {
    ReportFrame = Place(new QGroupBox(tr(" METAR report "), this), "GroupBox1", kReportFrame);
    ReportView = Place(new QPlainTextEdit(ReportFrame), "Memo1", kReportView);
    ReportView->setReadOnly(true);
    ReportView->setLineWrapMode(QPlainTextEdit::NoWrap);
    ReportView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ReportView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ShowReport();

    StationList = Place(new QListView(this), "ListBox1", kStationList);
    StationList->setSelectionMode(QAbstractItemView::SingleSelection);
    StationList->setUniformItemSizes(true);
    StationList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StationList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StationList->setItemDelegate(new FixedRowHeight(StationList));
    stations_ = new StationListModel(StationDirectory(), StationList);
    StationList->setModel(stations_);

    StationNameField = Place(new QLineEdit("Edit2", this), "Edit2", kStationNameField);
    StationNameField->setPlaceholderText(tr("Search stations: town, country or identifier"));
    StationNameField->setToolTip(tr("Type a place to find its station; Down goes to the list, "
                                    "Return picks the highlighted row"));
    finder_ =
        new StationFinder(*StationNameField, *StationList, *stations_, [this] { StationPicked(); });
    StationLabel = PlaceLabel(new QLabel(tr("Station "), this), "Label2", kStationLabel);
    StationIdField = Place(new QLineEdit(this), "Edit1", kStationIdField);
    StationNote = Place(new QLabel(tr("not a station identifier — search the list above"), this),
                        "StationNote", kStationNote);
    StationNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StationNote->hide();
    PrintButton = Place(new QPushButton(tr("Print Metar"), this), "Button2", kPrintButton);

    VersionPanel = Place(new QLabel(kVersionLabel, this), "Panel1", kVersionPanel);
    VersionPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    VersionPanel->setLineWidth(2);
    VersionPanel->setAlignment(Qt::AlignCenter);
    VersionPanel->setAutoFillBackground(true);
    QPalette panelColours = VersionPanel->palette();
    panelColours.setColor(QPalette::Window, kPanelFace);
    panelColours.setColor(QPalette::WindowText, kPanelText);
    VersionPanel->setPalette(panelColours);

    LogCheckBox = Place(new QCheckBox(tr("Log"), this), "CheckBox1", kLogCheckBox);
    FetchAtStartCheckBox =
        Place(new QCheckBox(tr("Run on start"), this), "CheckBox2", kFetchAtStartCheckBox);
    QPalette black = FetchAtStartCheckBox->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    FetchAtStartCheckBox->setPalette(black);
    StormAlertsCheckBox = Place(
        new QCheckBox(
            tr("Storm alerts: a desktop notification for thunder or a sharp pressure fall"), this),
        "StormAlertsCheckBox", kStormAlertsCheckBox);
    IntervalLabel = PlaceLabel(new QLabel(tr("Timer"), this), "Label3", kIntervalLabel);
    // The form's spin holds the longest interval until the first activation.
    IntervalSpin = Place(new SpinEdit(kMinutes.Lowest, kMinutes.Highest, kMinutes.Highest, this),
                         "SpinEdit1", kIntervalSpin);

    DisplayModeGroup =
        Place(new QGroupBox(tr("Display mode"), this), "RadioGroup1", kDisplayModeGroup);
    RadioEnglish =
        Place(new QRadioButton(tr("English"), DisplayModeGroup), "RadioEnglish", kRadioEnglish);
    RadioMetric =
        Place(new QRadioButton(tr("Metric"), DisplayModeGroup), "RadioMetric", kRadioMetric);
    FtpSettingsButton =
        Place(new QPushButton(tr("FTP settings"), this), "Button1", kFtpSettingsButton);
    HistoryButton =
        Place(new QPushButton(tr("History…"), ReportFrame), "HistoryButton", kHistoryButton);

    // What a screen reader says for each control; a label names the field it stands before.
    const std::pair<QWidget*, QString> names[] = {
        {ReportView, tr("Last report")},
        {StationList, tr("Station list")},
        {StationNameField, tr("Find a station by name or identifier")},
        {StationIdField, tr("Station identifier")},
        {LogCheckBox, tr("Log reports")},
        {IntervalSpin, tr("Update interval in minutes")},
        {IntervalSpin->lineEdit(), tr("Update interval in minutes")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
    StationLabel->setBuddy(StationIdField);
    IntervalLabel->setBuddy(IntervalSpin->lineEdit());

    QWidget* tabOrder[] = {LogCheckBox, StationIdField,       IntervalSpin, StationNameField,
                           ReportView,  FtpSettingsButton,    PrintButton,  RadioEnglish,
                           RadioMetric, FetchAtStartCheckBox, StationList,  StormAlertsCheckBox};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    if (displayRow_ >= 0)
        (displayRow_ == 1 ? RadioMetric : RadioEnglish)->setChecked(true);

    connect(StationIdField, &QLineEdit::textChanged, this, &OptionsDialog::StationIdTyped);
    connect(StationIdField, &QLineEdit::textEdited, this, &OptionsDialog::StationIdEdited);
    connect(IntervalSpin, &SpinEdit::changed, this, &OptionsDialog::IntervalChanged);
    connect(LogCheckBox, &QCheckBox::toggled, this, &OptionsDialog::LogToggled);
    connect(FetchAtStartCheckBox, &QCheckBox::toggled, this, &OptionsDialog::FetchAtStartToggled);
    connect(StormAlertsCheckBox, &QCheckBox::toggled, this,
            [this](bool checked) { settings_.StormAlerts = checked; });
    for (QRadioButton* row : {RadioEnglish, RadioMetric})
        connect(row, &QRadioButton::toggled, this, [this, row](bool checked) {
            if (checked) {
                displayRow_ = row == RadioMetric ? 1 : 0;
                DisplayModePicked();
            }
        });
    // Keys and clicks move the current row; a click on the row already current picks it again.
    // Letters typed in the list and the search's filtering move it without picking.
    connect(StationList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!selectingRow_ && !finder_->MovingHighlight())
            StationPicked();
    });
    connect(StationList, &QListView::clicked, this, &OptionsDialog::StationPicked);
    connect(FtpSettingsButton, &QPushButton::clicked, this, &OptionsDialog::OpenFtpSettings);
    connect(PrintButton, &QPushButton::clicked, this, &OptionsDialog::PrintReport);
    connect(HistoryButton, &QPushButton::clicked, this, [this] { host_.ShowHistory(); });
}

OptionsDialog::~OptionsDialog() = default;

QWidget* OptionsDialog::FirstField() const {
    return LogCheckBox;
}

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
    LogCheckBox->setChecked(settings_.LogReports);
    FetchAtStartCheckBox->setChecked(settings_.FetchAtStart);
    StormAlertsCheckBox->setChecked(settings_.StormAlerts);
}

void OptionsDialog::hideEvent(QHideEvent* event) {
    if (finder_ != nullptr)
        finder_->Clear();
    ToolDialog::hideEvent(event);
}

void OptionsDialog::SelectStationRow(int row) {
    // A station typed into the Station box shows even when the search had left it out.
    if (finder_->Searching() && !stations_->IndexOf(row).isValid() && StationIdentifier(row))
        finder_->Clear();
    const QModelIndex index = stations_->IndexOf(row);
    const bool wasSelecting = selectingRow_;
    selectingRow_ = true;
    StationList->setCurrentIndex(index);
    selectingRow_ = wasSelecting;
    if (index.isValid())
        StationList->scrollTo(index, QAbstractItemView::PositionAtCenter);
    StationNameField->setText(index.data().toString());
}

std::optional<int> OptionsDialog::CurrentStationRow() const {
    // Only a file named exactly after a station is that station's.
    const std::string_view identifier = StationIdOf(settings_.StationFile);
    if (StationFileName(identifier) != settings_.StationFile)
        return std::nullopt;
    return StationRowOf(identifier);
}

void OptionsDialog::StationIdTyped() {
    settings_.StationFile = TypedStationFile(StationIdField->text().toLatin1().toStdString());
    // A row picked in the list is already selected and in view: the list stays where it is.
    const auto row = CurrentStationRow();
    if (row && *row != HighlightedRow())
        SelectStationRow(*row);
    StationNote->setVisible(!row ||
                            !IsIdentifierLike(StationIdField->text().toLatin1().toStdString()));
}

void OptionsDialog::StationIdEdited() {
    host_.StationChanged();
}

int OptionsDialog::HighlightedRow() const {
    return stations_->DirectoryRow(StationList->currentIndex());
}

void OptionsDialog::IntervalChanged() {
    settings_.UpdateMinutes = kMinutes.Clamped(IntervalSpin->value());
    host_.SetUpdateInterval(settings_.UpdateMinutes * kMillisecondsPerMinute);
}

void OptionsDialog::StationPicked() {
    const int row = HighlightedRow();
    settings_.PickedStationRow = row;
    StationNameField->setText(StationList->currentIndex().data().toString());
    if (const auto identifier = StationIdentifier(row)) {
        StationIdField->setText(QString::fromLatin1(*identifier));
        host_.StationChanged();
    }
}

void OptionsDialog::LogToggled() {
    settings_.LogReports = LogCheckBox->isChecked();
}

void OptionsDialog::FetchAtStartToggled() {
    settings_.FetchAtStart = FetchAtStartCheckBox->isChecked();
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
        printer_->Print(this, PrintHeading(lines, SystemClock(), QtWording()), lines);
    } catch (const std::exception& error) {
        host_.ShowError(error.what());
    }
}

} // namespace stormbell
