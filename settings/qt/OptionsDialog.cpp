#include "settings/qt/OptionsDialog.h"

#include "generated/Version.h"
#include "observation/ReportLines.h"
#include "settings/SettingsTable.h"
#include "settings/qt/FormPlacement.h"
#include "settings/qt/ReportPrinting.h"
#include "settings/qt/SpinEdit.h"
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

namespace stormbell {
namespace {

// The form, in client-area pixels: left, top, width, height.
constexpr QSize kClientSize(496, 366);
constexpr QPoint kFirstPlace(209, 87);
constexpr QRect kGroupBox1(8, 8, 481, 169);
constexpr QRect kMemo1(8, 16, 465, 145); // inside GroupBox1
constexpr QRect kListBox1(8, 184, 393, 145);
constexpr QRect kEdit2(8, 336, 377, 21);
constexpr QPoint kLabel2(392, 340);
constexpr QRect kEdit1(432, 336, 57, 21);
constexpr QRect kButton2(408, 184, 83, 17);
constexpr QRect kPanel1(408, 205, 33, 17);
constexpr QRect kCheckBox1(448, 205, 41, 17);
constexpr QRect kCheckBox2(408, 224, 81, 17);
constexpr QPoint kLabel3(408, 244);
constexpr QRect kSpinEdit1(436, 240, 49, 22);
constexpr QRect kRadioGroup1(408, 262, 81, 45);
constexpr QRect kRadioEnglish(8, 14, 69, 14); // inside RadioGroup1
constexpr QRect kRadioMetric(8, 28, 69, 14);  // inside RadioGroup1
constexpr QRect kButton1(408, 312, 81, 17);

constexpr int kListRowHeight = 13;

constexpr auto kMinutes = settingstable::kTValue.Rule;
constexpr int kMillisecondsPerMinute = 60000;
constexpr std::string_view kExtension = ".TXT";

// The version label's colours: olive face, lime text.
const QColor kPanelFace(0x80, 0x80, 0x00);
const QColor kPanelText(0x00, 0xff, 0x00);

/// OCityStr from the station field: ".TXT" appended unless the text already ends in it
/// (case counts), then a..z upper-cased, so "kjln.txt" gives "KJLN.TXT.TXT".
std::string StationFileName(std::string typed) {
    if (!typed.ends_with(kExtension))
        typed += kExtension;
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
    : ToolDialog("Stormbell Options", kClientSize, kFirstPlace, parent), settings_(settings),
      observation_(observation), host_(host),
      printer_(std::make_unique<ModulePrinting>(PrintModuleFolders())) {}

void OptionsDialog::BuildControls() {
    GroupBox1 = Place(new QGroupBox(" METAR report ", this), "GroupBox1", kGroupBox1);
    Memo1 = Place(new QPlainTextEdit(GroupBox1), "Memo1", kMemo1);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ShowReport();

    ListBox1 = Place(new QListView(this), "ListBox1", kListBox1);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setItemDelegate(new FixedRowHeight(ListBox1));
    ListBox1->setModel(new StationListModel(StationDirectory(), ListBox1));

    Edit2 = Place(new QLineEdit("Edit2", this), "Edit2", kEdit2);
    Label2 = PlaceLabel(new QLabel("Station ", this), "Label2", kLabel2);
    Edit1 = Place(new QLineEdit(this), "Edit1", kEdit1);
    Button2 = Place(new QPushButton("Print Metar", this), "Button2", kButton2);

    Panel1 = Place(new QLabel(kVersionLabel, this), "Panel1", kPanel1);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);
    QPalette panelColours = Panel1->palette();
    panelColours.setColor(QPalette::Window, kPanelFace);
    panelColours.setColor(QPalette::WindowText, kPanelText);
    Panel1->setPalette(panelColours);

    CheckBox1 = Place(new QCheckBox("Log", this), "CheckBox1", kCheckBox1);
    CheckBox2 = Place(new QCheckBox("Run on start", this), "CheckBox2", kCheckBox2);
    QPalette black = CheckBox2->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    CheckBox2->setPalette(black);
    Label3 = PlaceLabel(new QLabel("Timer", this), "Label3", kLabel3);
    // The form's spin holds the longest interval until the first activation.
    SpinEdit1 = Place(new SpinEdit(kMinutes.Lowest, kMinutes.Highest, kMinutes.Highest, this),
                      "SpinEdit1", kSpinEdit1);

    RadioGroup1 = Place(new QGroupBox("Display mode", this), "RadioGroup1", kRadioGroup1);
    RadioEnglish = Place(new QRadioButton("English", RadioGroup1), "RadioEnglish", kRadioEnglish);
    RadioMetric = Place(new QRadioButton("Metric", RadioGroup1), "RadioMetric", kRadioMetric);
    Button1 = Place(new QPushButton("FTP settings", this), "Button1", kButton1);

    QWidget* tabOrder[] = {CheckBox1, Edit1,        SpinEdit1,   Edit2,     Memo1,   Button1,
                           Button2,   RadioEnglish, RadioMetric, CheckBox2, ListBox1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    if (displayRow_ >= 0)
        (displayRow_ == 1 ? RadioMetric : RadioEnglish)->setChecked(true);

    connect(Edit1, &QLineEdit::textChanged, this, &OptionsDialog::Edit1Change);
    connect(SpinEdit1, &SpinEdit::changed, this, &OptionsDialog::SpinEdit1Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &OptionsDialog::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &OptionsDialog::CheckBox2Click);
    for (QRadioButton* row : {RadioEnglish, RadioMetric})
        connect(row, &QRadioButton::toggled, this, [this, row](bool checked) {
            if (checked) {
                displayRow_ = row == RadioMetric ? 1 : 0;
                RadioGroup1Click();
            }
        });
    // Keys and clicks move the current row; a click on the row already current picks it again.
    connect(ListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!selectingRow_)
            ListBox1Click();
    });
    connect(ListBox1, &QListView::clicked, this, &OptionsDialog::ListBox1Click);
    connect(Button1, &QPushButton::clicked, this, &OptionsDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &OptionsDialog::Button2Click);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::ShowReport() {
    if (Memo1 == nullptr)
        return;
    // The report is single-byte text, shown a line to a row whatever its line ends.
    QStringList texts;
    for (const std::string& line : SplitReportLines(host_.LastReport()))
        texts << QString::fromLatin1(line);
    Memo1->setPlainText(texts.join('\n'));
}

void OptionsDialog::SetDisplayModeRow(int row) {
    if (row != 0 && row != 1)
        return;
    if (RadioEnglish != nullptr)
        (row == 1 ? RadioMetric : RadioEnglish)->setChecked(true);
    else if (row != displayRow_) {
        // Before the first show the row waits for the buttons, changing what they would.
        displayRow_ = row;
        RadioGroup1Click();
    }
}

void OptionsDialog::SetPrinting(std::unique_ptr<ReportPrinting> printing) {
    printer_ = std::move(printing);
}

void OptionsDialog::FormActivate() {
    Edit1->setText(QString::fromLatin1(settings_.OCityStr.substr(0, 4)));
    // The list and the station field agree: LIndex only says which row was picked last, and the
    // station may have been typed since.
    SelectStationRow(CurrentStationRow().value_or(settings_.LIndex));
    SpinEdit1->setValue(settings_.TValue);
    CheckBox1->setChecked(settings_.LogIt);
    CheckBox2->setChecked(settings_.RunOnStart);
}

void OptionsDialog::SelectStationRow(int row) {
    const QModelIndex index = ListBox1->model() ? ListBox1->model()->index(row, 0) : QModelIndex();
    const bool wasSelecting = selectingRow_;
    selectingRow_ = true;
    ListBox1->setCurrentIndex(index);
    selectingRow_ = wasSelecting;
    if (index.isValid())
        ListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    Edit2->setText(index.data().toString());
}

std::optional<int> OptionsDialog::CurrentStationRow() const {
    const std::string& file = settings_.OCityStr;
    if (!file.ends_with(kExtension))
        return std::nullopt;
    return StationRowOf(std::string_view(file).substr(0, file.size() - kExtension.size()));
}

void OptionsDialog::Edit1Change() {
    settings_.OCityStr = StationFileName(Edit1->text().toLatin1().toStdString());
    // A row picked in the list is already selected and in view: the list stays where it is.
    if (const auto row = CurrentStationRow(); row && *row != ListBox1->currentIndex().row())
        SelectStationRow(*row);
}

void OptionsDialog::SpinEdit1Change() {
    settings_.TValue = kMinutes.Clamped(SpinEdit1->value());
    host_.SetUpdateInterval(settings_.TValue * kMillisecondsPerMinute);
}

void OptionsDialog::ListBox1Click() {
    const QModelIndex current = ListBox1->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    settings_.LIndex = row;
    Edit2->setText(current.data().toString());
    if (const auto identifier = StationIdentifier(row))
        Edit1->setText(QString::fromLatin1(*identifier));
}

void OptionsDialog::CheckBox1Click() {
    settings_.LogIt = CheckBox1->isChecked();
}

void OptionsDialog::CheckBox2Click() {
    settings_.RunOnStart = CheckBox2->isChecked();
}

void OptionsDialog::RadioGroup1Click() {
    observation_.DisplayMode = displayRow_ == 1 ? DisplayMode::Metric : DisplayMode::English;
    host_.ApplyDisplayMode();
}

void OptionsDialog::Button1Click() {
    host_.ShowFtpSettings();
}

void OptionsDialog::Button2Click() {
    try {
        printer_->Print(this, SplitReportLines(host_.LastReport()));
    } catch (const std::exception& error) {
        host_.ShowError(error.what());
    }
}

} // namespace stormbell
