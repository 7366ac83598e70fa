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
constexpr QPoint kHostLabel(8, 8);
constexpr QRect kHostField(80, 8, 377, 21);
constexpr QPoint kDirectoryLabel(8, 32);
constexpr QRect kDirectoryField(80, 32, 377, 21);
constexpr QRect kUseProxyCheckBox(80, 56, 73, 17);
constexpr QPoint kProxyPortLabel(176, 56);
constexpr QRect kProxyPortSpin(232, 56, 57, 22);
constexpr QRect kRegisterButton(312, 56, 147, 25);

constexpr auto kPorts = settingstable::kProxyPort.Rule;

} // namespace

FtpSettingsDialog::FtpSettingsDialog(Settings& settings, QWidget* parent)
    : ToolDialog(QT_TRANSLATE_NOOP("stormbell::ToolDialog",
                                   "FTP directories DO NOT CHANGE UNLESS YOU ARE CERTAIN!!!"),
                 kClientSize, kFirstPlace, parent),
      settings_(settings), port_(settingstable::kProxyPort.Default) {}

void FtpSettingsDialog::BuildControls() {
    HostLabel = PlaceLabel(new QLabel(tr("FTP for NWS"), this), "Label1", kHostLabel);
    HostField = Place(new QLineEdit(this), "Edit1", kHostField);
    DirectoryLabel = PlaceLabel(new QLabel(tr("Subdirectory"), this), "Label2", kDirectoryLabel);
    DirectoryField = Place(new QLineEdit(this), "Edit2", kDirectoryField);
    // No longer than a host text and a path can be, so pasted pages never reach the settings.
    HostField->setMaxLength(static_cast<int>(nettexts::MaxHostTextLength));
    DirectoryField->setMaxLength(static_cast<int>(nettexts::MaxArgumentLength));
    UseProxyCheckBox = Place(new QCheckBox(tr("Use Proxy"), this), "CheckBox1", kUseProxyCheckBox);
    ProxyPortLabel = PlaceLabel(new QLabel(tr("Proxy Port"), this), "Label4", kProxyPortLabel);
    ProxyPortSpin = Place(new SpinEdit(kPorts.Lowest, kPorts.Highest, port_, this), "SpinEdit1",
                          kProxyPortSpin);
    UseProxyCheckBox->setChecked(useProxy_);
    RegisterButton =
        Place(new QPushButton(tr("register new directories"), this), "Button1", kRegisterButton);

    // What a screen reader says for each control; a label names the field it stands before.
    HostField->setAccessibleName(tr("FTP server host name"));
    DirectoryField->setAccessibleName(tr("Report directory on the server"));
    UseProxyCheckBox->setAccessibleName(tr("Use proxy port"));
    ProxyPortSpin->setAccessibleName(tr("Proxy port"));
    ProxyPortSpin->lineEdit()->setAccessibleName(tr("Proxy port"));
    HostLabel->setBuddy(HostField);
    DirectoryLabel->setBuddy(DirectoryField);
    ProxyPortLabel->setBuddy(ProxyPortSpin->lineEdit());

    setTabOrder(HostField, DirectoryField);
    setTabOrder(DirectoryField, RegisterButton);
    setTabOrder(RegisterButton, ProxyPortSpin);
    setTabOrder(ProxyPortSpin, UseProxyCheckBox);

    connect(RegisterButton, &QPushButton::clicked, this, &FtpSettingsDialog::RegisterDirectories);
    connect(ProxyPortSpin, &SpinEdit::changed, this, &FtpSettingsDialog::ProxyPortChanged);
    connect(UseProxyCheckBox, &QCheckBox::toggled, this, &FtpSettingsDialog::UseProxyToggled);
}

FtpSettingsDialog::~FtpSettingsDialog() = default;

QWidget* FtpSettingsDialog::FirstField() const {
    return HostField;
}

void FtpSettingsDialog::ApplyStartupSettings() {
    if (ProxyPortSpin != nullptr) {
        ProxyPortSpin->setValue(settings_.ProxyPort);
        UseProxyCheckBox->setChecked(settings_.UseProxy);
        return;
    }
    // Before the first show the values wait for the controls; the spin's change handler would
    // have stored the clamped port, and the check box's stores what it was given.
    port_ = kPorts.Clamped(settings_.ProxyPort);
    settings_.ProxyPort = port_;
    useProxy_ = settings_.UseProxy;
}

int FtpSettingsDialog::ProxyPort() const {
    return ProxyPortSpin != nullptr ? ProxyPortSpin->value() : port_;
}

void FtpSettingsDialog::ShowSettings() {
    HostField->setText(QString::fromLatin1(settings_.Host));
    DirectoryField->setText(QString::fromLatin1(settings_.ReportDirectory));
}

void FtpSettingsDialog::RegisterDirectories() {
    settings_.Host = HostField->text().toLatin1().toStdString();
    settings_.ReportDirectory = DirectoryField->text().toLatin1().toStdString();
}

void FtpSettingsDialog::ProxyPortChanged() {
    settings_.ProxyPort = ProxyPortSpin->value();
}

void FtpSettingsDialog::UseProxyToggled() {
    settings_.UseProxy = UseProxyCheckBox->isChecked();
}

} // namespace stormbell
