// TForm3, the FTP settings dialog: the server's host name, the reports' directory and the port
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

    /// Start-up: the port spin := FTPPortNum (clamped to 0..32766, its change handler stores the
    /// clamped value) and the check box := UseProxy.
    void ApplyStartupSettings();
    /// The port spin's value, which the update cycle uses when UseProxy is set.
    int ProxyPort() const;

    /// Every activation: the two fields show Host and Direct1, dropping unregistered typing.
    void FormActivate() override;
    /// Host and Direct1 := the two fields exactly as they stand.
    void Button1Click();
    /// FTPPortNum := the spin's value (0 while its text is no number).
    void SpinEdit1Change();
    /// UseProxy := the check state.
    void CheckBox1Click();

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label4 = nullptr;
    SpinEdit* SpinEdit1 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void BuildControls() override;

    Settings& settings_;
    int port_;              ///< the port spin's value until the spin is built
    bool useProxy_ = false; ///< the check box's state until it is built
};

} // namespace stormbell
