#include "settings/qt/FtpSettingsDialog.h"

#include "net/NetTexts.h"
#include "settings/qt/SpinEdit.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

class FtpSettingsDialogTest : public ::testing::Test {
protected:
    FtpSettingsDialogTest() { dialog.BuildContents(); }
    void TypePort(const char* text) {
        dialog.ProxyPortSpin->lineEdit()->selectAll();
        QTest::keyClicks(dialog.ProxyPortSpin->lineEdit(), text);
    }
    void LeavePort() {
        QFocusEvent leave(QEvent::FocusOut);
        QCoreApplication::sendEvent(dialog.ProxyPortSpin->lineEdit(), &leave);
    }

    Settings settings;
    FtpSettingsDialog dialog{settings};
};

TEST_F(FtpSettingsDialogTest, RegisterTakesBothFieldsAsTheyStand) {
    dialog.ShowSettings();
    dialog.HostField->setText(" example.org ");
    dialog.DirectoryField->clear();
    dialog.RegisterButton->click();
    EXPECT_EQ(settings.Host, " example.org ");
    EXPECT_EQ(settings.ReportDirectory, "");
    // A paste of pages is cut to what a host text and a path can be.
    dialog.HostField->setText(QString(32767, 'h'));
    dialog.DirectoryField->setText(QString(32767, 'd'));
    dialog.RegisterButton->click();
    EXPECT_EQ(settings.Host, std::string(nettexts::MaxHostTextLength, 'h'));
    EXPECT_EQ(settings.ReportDirectory, std::string(nettexts::MaxArgumentLength, 'd'));
}

TEST_F(FtpSettingsDialogTest, ActivationDiscardsUnregisteredEdits) {
    const std::string host = settings.Host;
    dialog.ShowSettings();
    // Becoming active, or being shown again (without a window manager it may never be active).
    for (const QEvent::Type type : {QEvent::WindowActivate, QEvent::Show}) {
        QTest::keyClicks(dialog.HostField, "x");
        QTest::keyClicks(dialog.DirectoryField, "y");
        QEvent activate(type);
        QCoreApplication::sendEvent(&dialog, &activate);
        EXPECT_EQ(dialog.HostField->text().toStdString(), host) << type;
        EXPECT_EQ(dialog.DirectoryField->text().toStdString(), settings.ReportDirectory) << type;
        EXPECT_EQ(settings.Host, host) << type;
    }
}

TEST_F(FtpSettingsDialogTest, PortIsStoredWhileTypedAndLimitedOnLeaving) {
    const struct {
        const char* typed;
        int typedPort;
        int leftPort;
        const char* leftText;
    } cases[] = {{"40000", 40000, 32766, "32766"},
                 {"abc", 0, 0, "abc"},
                 {"-3", -3, 0, "0"},
                 {"2121", 2121, 2121, "2121"}};
    for (const auto& c : cases) {
        TypePort(c.typed);
        EXPECT_EQ(settings.ProxyPort, c.typedPort) << c.typed;
        LeavePort();
        EXPECT_EQ(settings.ProxyPort, c.leftPort) << c.typed;
        EXPECT_EQ(dialog.ProxyPort(), c.leftPort) << c.typed;
        EXPECT_EQ(dialog.ProxyPortSpin->lineEdit()->text(), c.leftText) << c.typed;
    }
}

// The same whether the controls exist at start-up or the first show builds them afterwards.
TEST_F(FtpSettingsDialogTest, StartupClampsTheStoredPortAndSetsTheCheckBox) {
    for (const bool builtFirst : {true, false}) {
        Settings stored;
        stored.ProxyPort = 40000;
        stored.UseProxy = true;
        FtpSettingsDialog ftp{stored};
        if (builtFirst)
            ftp.BuildContents();
        ftp.ApplyStartupSettings();
        EXPECT_EQ(stored.ProxyPort, 32766) << builtFirst;
        EXPECT_EQ(ftp.ProxyPort(), 32766) << builtFirst;
        ftp.show();
        EXPECT_EQ(ftp.ProxyPortSpin->value(), 32766) << builtFirst;
        EXPECT_TRUE(ftp.UseProxyCheckBox->isChecked()) << builtFirst;
        ftp.UseProxyCheckBox->click();
        EXPECT_FALSE(stored.UseProxy) << builtFirst;
    }
}

} // namespace
} // namespace stormbell
