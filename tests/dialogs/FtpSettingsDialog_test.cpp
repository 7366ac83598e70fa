#include "settings/qt/FtpSettingsDialog.h"

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
        dialog.SpinEdit1->lineEdit()->selectAll();
        QTest::keyClicks(dialog.SpinEdit1->lineEdit(), text);
    }
    void LeavePort() {
        QFocusEvent leave(QEvent::FocusOut);
        QCoreApplication::sendEvent(dialog.SpinEdit1->lineEdit(), &leave);
    }

    Settings settings;
    FtpSettingsDialog dialog{settings};
};

TEST_F(FtpSettingsDialogTest, RegisterTakesBothFieldsAsTheyStand) {
    dialog.FormActivate();
    dialog.Edit1->setText(" example.org ");
    dialog.Edit2->clear();
    dialog.Button1->click();
    EXPECT_EQ(settings.Host, " example.org ");
    EXPECT_EQ(settings.Direct1, "");
}

TEST_F(FtpSettingsDialogTest, ActivationDiscardsUnregisteredEdits) {
    const std::string host = settings.Host;
    dialog.FormActivate();
    // Becoming active, or being shown again (without a window manager it may never be active).
    for (const QEvent::Type type : {QEvent::WindowActivate, QEvent::Show}) {
        QTest::keyClicks(dialog.Edit1, "x");
        QTest::keyClicks(dialog.Edit2, "y");
        QEvent activate(type);
        QCoreApplication::sendEvent(&dialog, &activate);
        EXPECT_EQ(dialog.Edit1->text().toStdString(), host) << type;
        EXPECT_EQ(dialog.Edit2->text().toStdString(), settings.Direct1) << type;
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
        EXPECT_EQ(settings.FTPPortNum, c.typedPort) << c.typed;
        LeavePort();
        EXPECT_EQ(settings.FTPPortNum, c.leftPort) << c.typed;
        EXPECT_EQ(dialog.ProxyPort(), c.leftPort) << c.typed;
        EXPECT_EQ(dialog.SpinEdit1->lineEdit()->text(), c.leftText) << c.typed;
    }
}

// The same whether the controls exist at start-up or the first show builds them afterwards.
TEST_F(FtpSettingsDialogTest, StartupClampsTheStoredPortAndSetsTheCheckBox) {
    for (const bool builtFirst : {true, false}) {
        Settings stored;
        stored.FTPPortNum = 40000;
        stored.UseProxy = true;
        FtpSettingsDialog ftp{stored};
        if (builtFirst)
            ftp.BuildContents();
        ftp.ApplyStartupSettings();
        EXPECT_EQ(stored.FTPPortNum, 32766) << builtFirst;
        EXPECT_EQ(ftp.ProxyPort(), 32766) << builtFirst;
        ftp.show();
        EXPECT_EQ(ftp.SpinEdit1->value(), 32766) << builtFirst;
        EXPECT_TRUE(ftp.CheckBox1->isChecked()) << builtFirst;
        ftp.CheckBox1->click();
        EXPECT_FALSE(stored.UseProxy) << builtFirst;
    }
}

} // namespace
} // namespace stormbell
