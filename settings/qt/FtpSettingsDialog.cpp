#include "settings/qt/FtpSettingsDialog.h"

#include "settings/SettingsTable.h"
#include "settings/qt/FormPlacement.h"
#include "settings/qt/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace stormbell {
namespace {

// The form, in client-area pixels: left, top, width, height.
constexpr QSize kClientSize(465, 88);
constexpr QPoint kFirstPlace(237, 205);
constexpr QPoint kLabel1(8, 8);
constexpr QRect kEdit1(80, 8, 377, 21);
constexpr QPoint kLabel2(8, 32);
constexpr QRect kEdit2(80, 32, 377, 21);
constexpr QRect kCheckBox1(80, 56, 73, 17);
constexpr QPoint kLabel4(176, 56);
constexpr QRect kSpinEdit1(232, 56, 57, 22);
constexpr QRect kButton1(312, 56, 147, 25);

constexpr auto kPorts = settingstable::kFTPPortNum.Rule;

} // namespace

FtpSettingsDialog::FtpSettingsDialog(Settings& settings, QWidget* parent)
    : ToolDialog("FTP directories DO NOT CHANGE UNLESS YOU ARE CERTAIN!!!", kClientSize,
                 kFirstPlace, parent),
      settings_(settings), port_(settingstable::kFTPPortNum.Default) {}

void FtpSettingsDialog::BuildControls() {
    Label1 = PlaceLabel(new QLabel("FTP for NWS", this), "Label1", kLabel1);
    Edit1 = Place(new QLineEdit(this), "Edit1", kEdit1);
    Label2 = PlaceLabel(new QLabel("Subdirectory", this), "Label2", kLabel2);
    Edit2 = Place(new QLineEdit(this), "Edit2", kEdit2);
    CheckBox1 = Place(new QCheckBox("Use Proxy", this), "CheckBox1", kCheckBox1);
    Label4 = PlaceLabel(new QLabel("Proxy Port", this), "Label4", kLabel4);
    SpinEdit1 =
        Place(new SpinEdit(kPorts.Lowest, kPorts.Highest, port_, this), "SpinEdit1", kSpinEdit1);
    CheckBox1->setChecked(useProxy_);
    Button1 = Place(new QPushButton("register new directories", this), "Button1", kButton1);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, SpinEdit1);
    setTabOrder(SpinEdit1, CheckBox1);

    connect(Button1, &QPushButton::clicked, this, &FtpSettingsDialog::Button1Click);
    connect(SpinEdit1, &SpinEdit::changed, this, &FtpSettingsDialog::SpinEdit1Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &FtpSettingsDialog::CheckBox1Click);
}

FtpSettingsDialog::~FtpSettingsDialog() = default;

void FtpSettingsDialog::ApplyStartupSettings() {
    if (SpinEdit1 != nullptr) {
        SpinEdit1->setValue(settings_.FTPPortNum);
        CheckBox1->setChecked(settings_.UseProxy);
        return;
    }
    // Before the first show the values wait for the controls; the spin's change handler would
    // have stored the clamped port, and the check box's stores what it was given.
    port_ = kPorts.Clamped(settings_.FTPPortNum);
    settings_.FTPPortNum = port_;
    useProxy_ = settings_.UseProxy;
}

int FtpSettingsDialog::ProxyPort() const {
    return SpinEdit1 != nullptr ? SpinEdit1->value() : port_;
}

void FtpSettingsDialog::FormActivate() {
    Edit1->setText(QString::fromLatin1(settings_.Host));
    Edit2->setText(QString::fromLatin1(settings_.Direct1));
}

void FtpSettingsDialog::Button1Click() {
    settings_.Host = Edit1->text().toLatin1().toStdString();
    settings_.Direct1 = Edit2->text().toLatin1().toStdString();
}

void FtpSettingsDialog::SpinEdit1Change() {
    settings_.FTPPortNum = SpinEdit1->value();
}

void FtpSettingsDialog::CheckBox1Click() {
    settings_.UseProxy = CheckBox1->isChecked();
}

} // namespace stormbell
