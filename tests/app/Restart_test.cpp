// The gauge over the user's real settings file, run twice: what the dialogs changed, where the
// window was dragged and what the gauges showed come back after the exit button; a close by the
// system leaves the file as it was.
#include "GaugeFixture.h"

#include "settings/SettingsPersistence.h"
#include "settings/qt/QtSettingsStore.h"
#include "settings/qt/SpinEdit.h"
#include "settings/stations/StationDirectory.h"
#include "tests/net/PyFtpServer.h"
#include "tests/support/ProxyPort.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

namespace stormbell::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStation = "EGLC";

int StationRowOf(const std::string& identifier) {
    const auto& rows = StationDirectory();
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const StationRow& row) {
        return row.Identifier == identifier;
    });
    return static_cast<int>(found - rows.begin());
}

void Retype(QLineEdit* field, const std::string& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromStdString(text));
}

// Everything a run keeps for the next one: what it would save now.
std::map<std::string, std::string> Kept(GaugeProgram& p) {
    MemorySettingsStore store;
    SaveSettings(store, p.settings, p.observation, p.window.GetGauges().PressSet, p.window.x(),
                 p.window.y());
    return store.Values;
}

class RestartTest : public GaugeFixture {
protected:
    // main() gave the run an XDG_CONFIG_HOME of its own; every test starts without a file.
    RestartTest() { fs::remove_all(file_.parent_path()); }
    ~RestartTest() override { program.reset(); }

    /// A new run of the program on the settings file as it stands, started up.
    GaugeProgram& Run() {
        program.reset();
        endCode.reset();
        Start(fileStore_.emplace());
        return *program;
    }

    /// What a user changes by hand: station, interval and scales in the options, host, port
    /// and "Use Proxy" in the FTP settings, the window's place and the reference hand.
    void ChangeEverything(GaugeProgram& p, std::uint16_t port) {
        GaugeWindow& w = p.window;
        Click(w, "optionsBar");
        OptionsDialog& options = p.options;
        // Each dialog fills its fields from the settings when it becomes active.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
        const QModelIndex row = options.StationList->model()->index(StationRowOf(kStation), 0);
        options.StationList->scrollTo(row);
        QTest::mouseClick(options.StationList->viewport(), Qt::LeftButton, {},
                          options.StationList->visualRect(row).center());
        Retype(options.IntervalSpin->lineEdit(), "15");
        QTest::mouseClick(options.RadioMetric, Qt::LeftButton);

        QTest::mouseClick(options.FtpSettingsButton, Qt::LeftButton);
        FtpSettingsDialog& ftp = p.ftpSettings;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ftp));
        Retype(ftp.HostField, "127.0.0.1");
        QTest::mouseClick(ftp.RegisterButton, Qt::LeftButton);
        Retype(ftp.ProxyPortSpin->lineEdit(), std::to_string(port));
        QTest::mouseClick(ftp.UseProxyCheckBox, Qt::LeftButton);

        QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, {100, 50});
        QTest::mouseMove(w.windowHandle(), {130, 20});
        QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, {100, 50}); // where it moved
        Click(w, "hub");
        Click(w, "hub");
    }

    std::string FileBytes() const { return ReadFile(file_); }

    const fs::path file_ = fs::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) /
                           "Brightmoor" / "Stormbell.conf";
    std::optional<PyFtpServer> server_;
    std::optional<QtSettingsStore> fileStore_;
};

TEST_F(RestartTest, ExitKeepsEverythingForTheNextRunCloseKeepsNothing) {
    const PyFtpServer& server = server_.emplace(FreeProxyPort());
    GaugeProgram& first = Run();
    ASSERT_NO_FATAL_FAILURE(ChangeEverything(first, server.Port()));
    Click(first.window, "updateBar");
    ASSERT_TRUE(messages.empty()) << messages.front();
    ASSERT_EQ(first.window.windowTitle().toStdString(), "Completed");
    const auto kept = Kept(first);
    // The changes took, and the fetch moved the gauges off a fresh store's values.
    EXPECT_EQ(std::make_tuple(first.settings.StationFile, first.settings.UpdateMinutes,
                              first.observation.DisplayMode, first.settings.Host,
                              first.settings.ProxyPort, first.settings.UseProxy, first.window.pos(),
                              first.window.GetGauges().PressSet),
              std::make_tuple(std::string("EGLC.TXT"), 15, DisplayMode::Metric,
                              std::string("127.0.0.1"), int{server.Port()}, true, QPoint(243, 72),
                              std::uint16_t{52}));
    EXPECT_NE(first.observation.Shown.TemperatureF, FreshStoreObservation().Shown.TemperatureF);
    Click(first.window, "exitBar");
    ASSERT_EQ(endCode, 0);
    const std::string saved = FileBytes();

    GaugeProgram& second = Run();
    EXPECT_EQ(Kept(second), kept);
    EXPECT_TRUE(Child(second.window, "englishSkin").isHidden());
    EXPECT_FALSE(Child(second.window, "metricSkin").isHidden());
    EXPECT_EQ(Child<QTimer>(second.window, "updateTimer").interval(), 15 * 60000);
    EXPECT_EQ(second.ftpSettings.ProxyPort(), server.Port());
    second.ftpSettings.BuildContents();
    EXPECT_TRUE(second.ftpSettings.UseProxyCheckBox->isChecked());
    EXPECT_EQ(second.observation.Target.TemperatureF, second.observation.Shown.TemperatureF);

    // A close by the system leaves the file as it was, whatever changed.
    ASSERT_NO_FATAL_FAILURE(ChangeEverything(second, FreeProxyPort()));
    second.window.close();
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(FileBytes(), saved);
}

TEST_F(RestartTest, ASetAsideFileIsAnnouncedOnceAtStart) {
    fs::create_directories(file_.parent_path());
    WriteFile(file_, "[General\nFLeft=5\n");
    GaugeProgram& p = Run();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(file_.string() + ".bad"), std::string::npos) << messages[0];
    p.window.hide();
    p.window.show();
    Click(p.window, "exitBar");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(endCode, 0);
}

} // namespace
} // namespace stormbell::testing
