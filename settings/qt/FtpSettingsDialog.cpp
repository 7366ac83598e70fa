#include "settings/qt/FtpSettingsDialog.h"

#include "settings/SettingsTable.h"
#include "settings/qt/DialogParts.h"
#include "settings/qt/SpinEdit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace stormbell {
namespace {

// The design's client area, the least the dialog is given, and its first place on the screen.
constexpr QSize kSmallest(465, 88);
constexpr QPoint kFirstPlace(237, 205);
constexpr int kSmallestFieldWidth = 377; // the design's host and directory fields
constexpr int kMargin = 8;

constexpr auto kPorts = settingstable::kProxyPort.Rule;

} // namespace

FtpSettingsDialog::FtpSettingsDialog(Settings& settings, QWidget* parent)
    : ToolDialog(tr("FTP directories DO NOT CHANGE UNLESS YOU ARE CERTAIN!!!"), kSmallest,
                 kFirstPlace, parent),
      settings_(settings), port_(settingstable::kProxyPort.Default) {}

void FtpSettingsDialog::BuildControls() {
    HostLabel = Named(new QLabel(tr("FTP for NWS"), this), "hostLabel");
    HostField = Explained(new QLineEdit(this), "hostField",
                          tr("FTP for NWS: the server the reports are fetched from"));
    DirectoryLabel = Named(new QLabel(tr("Subdirectory"), this), "directoryLabel");
    DirectoryField = Explained(new QLineEdit(this), "directoryField",
                               tr("Subdirectory: where the reports lie on the server"));
    // No longer than a host text and a path can be, so pasted pages never reach the settings.
    HostField->setMaxLength(static_cast<int>(nettexts::MaxHostTextLength));
    DirectoryField->setMaxLength(static_cast<int>(nettexts::MaxArgumentLength));
    UseProxyCheckBox = Explained(new QCheckBox(tr("Use Proxy"), this), "useProxy",
                                 tr("Use Proxy: connect on the proxy port instead of port 21"));
    ProxyPortLabel = Named(new QLabel(tr("Proxy Port"), this), "proxyPortLabel");
    ProxyPortSpin = Explained(new SpinEdit(kPorts.Lowest, kPorts.Highest, port_, this), "proxyPort",
                              tr("Proxy Port: the port used instead of 21"));
    UseProxyCheckBox->setChecked(useProxy_);
    RegisterButton =
        Explained(new QPushButton(tr("register new directories"), this), "registerDirectories",
                  tr("Takes the server and the subdirectory as they stand"));

    auto* form = new QGridLayout(this);
    form->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    form->addWidget(HostLabel, 0, 0);
    form->addWidget(HostField, 0, 1);
    form->addWidget(DirectoryLabel, 1, 0);
    form->addWidget(DirectoryField, 1, 1);
    auto* proxy = new QHBoxLayout;
    proxy->addWidget(UseProxyCheckBox);
    proxy->addWidget(ProxyPortLabel);
    proxy->addWidget(ProxyPortSpin);
    proxy->addStretch(1);
    proxy->addWidget(RegisterButton);
    form->addLayout(proxy, 2, 1);
    form->setColumnStretch(1, 1);

    // What a screen reader says for each control; a label names the field it stands before.
    HostField->setAccessibleName(tr("FTP server host name"));
    DirectoryField->setAccessibleName(tr("Report directory on the server"));
    UseProxyCheckBox->setAccessibleName(tr("Use proxy port"));
    ProxyPortSpin->setAccessibleName(tr("Proxy port"));
    ProxyPortSpin->lineEdit()->setAccessibleName(tr("Proxy port"));
    HostLabel->setBuddy(HostField);
    DirectoryLabel->setBuddy(DirectoryField);
    ProxyPortLabel->setBuddy(ProxyPortSpin->lineEdit());

    // Top to bottom, left to right, as the controls are read.
    setTabOrder(HostField, DirectoryField);
    setTabOrder(DirectoryField, UseProxyCheckBox);
    setTabOrder(UseProxyCheckBox, ProxyPortSpin);
    setTabOrder(ProxyPortSpin, RegisterButton);

    connect(RegisterButton, &QPushButton::clicked, this, &FtpSettingsDialog::RegisterDirectories);
    connect(ProxyPortSpin, &SpinEdit::changed, this, &FtpSettingsDialog::ProxyPortChanged);
    connect(UseProxyCheckBox, &QCheckBox::toggled, this, &FtpSettingsDialog::UseProxyToggled);
}

FtpSettingsDialog::~FtpSettingsDialog() = default;

void FtpSettingsDialog::SizeToFont() {
    HostField->setMinimumWidth(static_cast<int>(kSmallestFieldWidth * FontScale()));
}

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
