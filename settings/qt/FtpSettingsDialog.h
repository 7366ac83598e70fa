// The FTP settings dialog: the server's host name, the reports' directory and the port
// used instead of 21.
#pragma once

#include "settings/Settings.h"
#include "settings/qt/ToolDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace stormbell {

class SpinEdit;

class FtpSettingsDialog final : public ToolDialog {
    Q_OBJECT
public:
    explicit FtpSettingsDialog(Settings& settings, QWidget* parent = nullptr);
    ~FtpSettingsDialog() override;

    /// Start-up: the port spin := ProxyPort (clamped to 0..32766, its change handler stores the
    /// clamped value) and the check box := UseProxy.
    void ApplyStartupSettings();
    /// The port spin's value, which the update cycle uses when UseProxy is set.
    int ProxyPort() const;

    /// Every activation: the two fields show Host and ReportDirectory, dropping unregistered
    /// typing.
    void ShowSettings() override;
    /// Host and ReportDirectory := the two fields exactly as they stand.
    void RegisterDirectories();
    /// ProxyPort := the spin's value (0 while its text is no number).
    void ProxyPortChanged();
    /// UseProxy := the check state.
    void UseProxyToggled();

    QLabel* HostLabel = nullptr;
    QLineEdit* HostField = nullptr;
    QLabel* DirectoryLabel = nullptr;
    QLineEdit* DirectoryField = nullptr;
    QCheckBox* UseProxyCheckBox = nullptr;
    QLabel* ProxyPortLabel = nullptr;
    SpinEdit* ProxyPortSpin = nullptr;
    QPushButton* RegisterButton = nullptr;

private:
    void BuildControls() override;
    QWidget* FirstField() const override;
    void SizeToFont() override;

    Settings& settings_;
    int port_;              ///< the port spin's value until the spin is built
    bool useProxy_ = false; ///< the check box's state until it is built
};

} // namespace stormbell
