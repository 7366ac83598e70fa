// The options dialog's controls: building them, laid out as the design has them, with their
// names, descriptions and Tab order, and connecting them to what they change.
#include "settings/qt/OptionsDialog.h"

#include "generated/Version.h"
#include "settings/SettingsTable.h"
#include "settings/qt/DialogParts.h"
#include "settings/qt/SettingCheckBox.h"
#include "settings/qt/SpinEdit.h"
#include "settings/qt/StationFinder.h"
#include "settings/qt/StationListModel.h"
#include "settings/stations/StationDirectory.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

namespace stormbell {
namespace {

// The design's sizes of the controls that show much text: at least these, more with the font.
constexpr QSize kSmallestReportView(465, 145);
constexpr QSize kSmallestStationList(393, 145);
constexpr QSize kSmallestVersionPanel(33, 17);
constexpr int kMargin = 8;
constexpr int kColumnSpacing = 3; // the design's column stands close

constexpr int kListRowHeight = 13;

constexpr auto kMinutes = settingstable::kUpdateMinutes.Rule;

// The version label's colours: dark olive face, lime text, 6:1 apart.
const QColor kPanelFace(0x50, 0x50, 0x00);
const QColor kPanelText(0x00, 0xff, 0x00);

/// A check box of the side column and the boolean setting it shows and stores.
struct BoundCheckBox {
    const settingstable::Setting<Settings, bool>* Row;
    const char* Name;
    const char* Caption;
    const char* Spoken;      ///< what a screen reader names it
    const char* Explanation; ///< its tooltip and description
    bool BlackText;
};

// In the column's order; a new boolean setting with a check box is a row here.
constexpr BoundCheckBox kCheckBoxes[] = {
    {&settingstable::kLogReports, "logReports",
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Log"),
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Log reports"),
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Log: add every report fetched to METAR.LOG"),
     false},
    {&settingstable::kFetchAtStart, "fetchAtStart",
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Run on start"),
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Run on start"),
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog",
                       "Run on start: fetch a report as soon as the gauge starts"),
     true},
    {&settingstable::kStormAlerts, "stormAlerts",
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Storm alerts"),
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog", "Storm alerts"),
     QT_TRANSLATE_NOOP("stormbell::OptionsDialog",
                       "Storm alerts: a desktop notification for thunder or a sharp pressure fall"),
     false},
};

/// Gives every row of the station list the form's row height, or the font's when that is taller.
class FixedRowHeight final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize natural = QStyledItemDelegate::sizeHint(option, index);
        return {natural.width(), std::max(kListRowHeight, option.fontMetrics.height())};
    }
};

} // namespace

void OptionsDialog::BuildControls() {
    auto* page = new QGridLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->addWidget(BuildReportFrame(), 0, 0, 1, 2);

    StationList = Named(new QListView(this), "stationList");
    StationList->setSelectionMode(QAbstractItemView::SingleSelection);
    StationList->setUniformItemSizes(true);
    StationList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StationList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StationList->setItemDelegate(new FixedRowHeight(StationList));
    stations_ = new StationListModel(StationDirectory(), StationList);
    StationList->setModel(stations_);
    page->addWidget(StationList, 1, 0);
    page->addLayout(BuildSideColumn(), 1, 1);

    PlacePrompt =
        Named(new QLabel(tr("Where are you? Type a town or an airport code"), this), "placePrompt");
    PlacePrompt->hide();
    page->addWidget(PlacePrompt, 2, 0, 1, 2);
    page->addLayout(BuildStationLine(), 3, 0, 1, 2);
    StationNote =
        Named(new QLabel(tr("not a station identifier \u2014 search the list above"), this),
              "stationNote");
    StationNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StationNote->hide();
    page->addWidget(StationNote, 4, 0, 1, 2);
    page->setRowStretch(1, 1);
    page->setColumnStretch(0, 1);

    DescribeControls();
    ShowReport();
    if (displayRow_ >= 0)
        (displayRow_ == 1 ? RadioMetric : RadioEnglish)->setChecked(true);

    connect(StationIdField, &QLineEdit::textChanged, this, &OptionsDialog::StationIdTyped);
    connect(StationIdField, &QLineEdit::textEdited, this, &OptionsDialog::StationIdEdited);
    connect(IntervalSpin, &SpinEdit::changed, this, &OptionsDialog::IntervalChanged);
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

QGroupBox* OptionsDialog::BuildReportFrame() {
    ReportFrame = Named(new QGroupBox(tr(" METAR report "), this), "reportFrame");
    ReportView = Named(new QPlainTextEdit(ReportFrame), "reportView");
    ReportView->setReadOnly(true);
    ReportView->setLineWrapMode(QPlainTextEdit::NoWrap);
    ReportView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ReportView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* frame = new QVBoxLayout(ReportFrame);
    frame->addWidget(ReportView, 1);
    return ReportFrame;
}

QLayout* OptionsDialog::BuildSideColumn() {
    auto* column = new QVBoxLayout;
    column->setSpacing(kColumnSpacing);
    PrintButton = Named(new QPushButton(tr("Print Metar"), this), "printReport");
    column->addWidget(PrintButton);

    VersionPanel = Named(new QLabel(kVersionLabel, this), "versionLabel");
    VersionPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    VersionPanel->setLineWidth(2);
    VersionPanel->setAlignment(Qt::AlignCenter);
    VersionPanel->setAutoFillBackground(true);
    QPalette panelColours = VersionPanel->palette();
    panelColours.setColor(QPalette::Window, kPanelFace);
    panelColours.setColor(QPalette::WindowText, kPanelText);
    VersionPanel->setPalette(panelColours);
    column->addWidget(VersionPanel, 0, Qt::AlignLeft);

    for (const BoundCheckBox& bound : kCheckBoxes) {
        auto* box = Explained(new SettingCheckBox(*bound.Row, settings_, tr(bound.Caption), this),
                              bound.Name, tr(bound.Explanation));
        box->setAccessibleName(tr(bound.Spoken));
        if (bound.BlackText) {
            QPalette black = box->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            box->setPalette(black);
        }
        checkBoxes_.push_back(box);
        column->addWidget(box);
    }

    auto* interval = new QHBoxLayout;
    IntervalLabel = Named(new QLabel(tr("Timer"), this), "intervalLabel");
    // The form's spin holds the longest interval until the first activation.
    IntervalSpin =
        Explained(new SpinEdit(kMinutes.Lowest, kMinutes.Highest, kMinutes.Highest, this),
                  "updateMinutes", tr("Timer: minutes between updates"));
    interval->addWidget(IntervalLabel);
    interval->addWidget(IntervalSpin, 1);
    column->addLayout(interval);

    DisplayModeGroup = Explained(new QGroupBox(tr("Display mode"), this), "displayMode",
                                 tr("Display mode: the gauge's English or metric scales"));
    RadioEnglish = Named(new QRadioButton(tr("English"), DisplayModeGroup), "englishScales");
    RadioMetric = Named(new QRadioButton(tr("Metric"), DisplayModeGroup), "metricScales");
    auto* modes = new QVBoxLayout(DisplayModeGroup);
    modes->addWidget(RadioEnglish);
    modes->addWidget(RadioMetric);
    column->addWidget(DisplayModeGroup);

    FtpSettingsButton = Named(new QPushButton(tr("FTP settings"), this), "ftpSettings");
    column->addWidget(FtpSettingsButton);
    HistoryButton = Named(new QPushButton(tr("History…"), this), "showHistory");
    column->addWidget(HistoryButton);
    column->addStretch(1);
    return column;
}

QLayout* OptionsDialog::BuildStationLine() {
    auto* line = new QHBoxLayout;
    StationNameField = Named(new QLineEdit(this), "stationSearch");
    StationNameField->setPlaceholderText(tr("Search stations: town, country or identifier"));
    finder_ =
        new StationFinder(*StationNameField, *StationList, *stations_, [this] { StationPicked(); });
    StationLabel = Named(new QLabel(tr("Station "), this), "stationLabel");
    StationIdField = Named(new QLineEdit(this), "stationIdField");
    line->addWidget(StationNameField, 1);
    line->addWidget(StationLabel);
    line->addWidget(StationIdField);
    return line;
}

void OptionsDialog::DescribeControls() {
    // What a screen reader says for each control; a label names the field it stands before.
    const std::pair<QWidget*, QString> names[] = {
        {ReportView, tr("Last report")},
        {StationList, tr("Station list")},
        {StationNameField, tr("Find a station by name or identifier")},
        {StationIdField, tr("Station identifier")},
        {IntervalSpin, tr("Update interval in minutes")},
        {IntervalSpin->lineEdit(), tr("Update interval in minutes")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
    const std::pair<QWidget*, QString> explanations[] = {
        {ReportView, tr("The last report fetched, as the server sent it")},
        {StationNameField, tr("Type a place to find its station; Down goes to the list, "
                              "Return picks the highlighted row")},
        {StationIdField, tr("Station: the identifier of the station the gauge shows")},
        {PrintButton, tr("Print Metar: print the last report")},
        {FtpSettingsButton, tr("FTP settings: the server the reports come from")},
        {HistoryButton, tr("History: the readings stored for the station")},
        {VersionPanel, tr("The gauge's version")},
    };
    for (const auto& [control, explanation] : explanations) {
        control->setToolTip(explanation);
        control->setAccessibleDescription(explanation);
    }
    StationLabel->setBuddy(StationIdField);
    IntervalLabel->setBuddy(IntervalSpin->lineEdit());
    PlacePrompt->setBuddy(StationNameField);

    // Top to bottom, left to right, as the controls are read.
    std::vector<QWidget*> reading = {ReportView, StationList, PrintButton};
    reading.insert(reading.end(), checkBoxes_.begin(), checkBoxes_.end());
    const std::vector<QWidget*> below = {IntervalSpin,      RadioEnglish,  RadioMetric,
                                         FtpSettingsButton, HistoryButton, StationNameField,
                                         StationIdField};
    reading.insert(reading.end(), below.begin(), below.end());
    for (std::size_t i = 1; i < reading.size(); ++i)
        setTabOrder(reading[i - 1], reading[i]);
}

QWidget* OptionsDialog::FirstField() const {
    return StationNameField;
}

void OptionsDialog::SizeToFont() {
    const double scale = FontScale();
    ReportView->setMinimumSize(kSmallestReportView * scale);
    StationList->setMinimumSize(kSmallestStationList * scale);
    VersionPanel->setMinimumSize(kSmallestVersionPanel * scale);
}

} // namespace stormbell
