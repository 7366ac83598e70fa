#include "history/qt/HistoryWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "history/HistoryStore.h"
#include "observation/ReportLines.h"
#include "tests/history/HistorySample.h"
#include "tests/history/StoreFaults.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ImageDiff.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitUntil.h"

namespace stormbell {
namespace {

using testing::At;

constexpr const char* kCommitted = STORMBELL_TEST_DATA_DIR "/history/three-days.png";

// Three days of hourly readings of KBFI with a five-hour gap, gusts in the afternoons and a
// spell of variable wind; the pressure falls through the second day.
void FillStore(const std::filesystem::path& file) {
    std::vector<HistoryReading> readings;
    for (long hour = 0; hour < 72; ++hour) {
        if (hour >= 30 && hour < 35)
            continue;
        HistoryReading r = testing::Reading("KBFI", hour * 60 + 53);
        const double day = std::sin((hour - 9) * 2 * 3.14159265 / 24);
        r.TemperatureC = std::round((12 + 6 * day) * 10) / 10;
        r.DewPointC = std::round((6 + 2 * day) * 10) / 10;
        r.RelativeHumidity = static_cast<int>(70 - 20 * day);
        r.PressureHpa = 1018 - (hour > 24 ? std::min(hour - 24, 24L) * 0.5 : 0);
        r.WindSpeedKnots = static_cast<int>(6 + 5 * day + hour / 12);
        if (day > 0.7)
            r.WindGustKnots = *r.WindSpeedKnots + 9;
        r.WindDirection = static_cast<int>(180 + hour * 5 % 120);
        r.WindVariable = hour >= 60 && hour < 64;
        readings.push_back(r);
    }
    HistoryStore(file).AddAll(readings);
}

TEST(HistoryWindowTest, DrawsThreeDaysWithAGapReadsOutAPointAndExportsTheSpan) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const auto file = dir.Path() / "history.sqlite3";
    FillStore(file);
    testing::FixedClock clock(At(72 * 60));
    HistoryLink history(file);
    HistoryWindow window(history, clock);
    QSignalSpy reloaded(&window, &HistoryWindow::Reloaded);
    window.ShowView({"KBFI", false, 1015.0});
    window.SetSpan(72);
    // The answer to the first request comes, and is not drawn: the span changed meanwhile.
    ASSERT_TRUE(testing::WaitUntil([&] { return reloaded.count() == 1; }));
    window.Chart().resize(760, 560);
    EXPECT_EQ(window.StatusText().toStdString(), "KBFI: 67 readings in the last 3 days");

    const QImage image = window.Chart().grab().toImage();
    const QImage committed(kCommitted);
    if (committed.isNull() || qEnvironmentVariableIsSet("STORMBELL_WRITE_RENDERS")) {
        image.save(kCommitted);
        FAIL() << "wrote " << kCommitted << "; look at it and commit it";
    }
    const std::string difference = testing::ImageDifference(image, committed);
    EXPECT_TRUE(difference.empty()) << difference;

    window.Chart().HoverAt(window.Chart().width() - 16);
    ASSERT_NE(window.Chart().Hovered(), nullptr);
    EXPECT_EQ(window.Chart().Hovered()->Observed, At(71 * 60 + 53));

    const auto csv = dir.Path() / "shown.csv";
    ASSERT_TRUE(window.ExportCsv(QString::fromStdString(csv.string())));
    const std::string text = testing::ReadFile(csv);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 68);
}

// A window of KBFI's three days that the test has shown, active, with its first readings drawn.
class ShownWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HistoryStore::Available())
            GTEST_SKIP() << "this build keeps no history";
        FillStore(file);
        HistoryStore(file).Add(testing::Reading("KFNT", 71 * 60));
        link.emplace(file);
        window.emplace(*link, clock);
        QSignalSpy reloaded(&*window, &HistoryWindow::Reloaded);
        QSignalSpy listed(&*window, &HistoryWindow::StationsListed);
        window->ShowView({"KBFI", false, 1015.0});
        QApplication::setActiveWindow(&*window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
        ASSERT_TRUE(
            testing::WaitUntil([&] { return reloaded.count() == 1 && listed.count() == 1; }));
    }
    template <typename T> T& Child(const char* name) {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    QStringList Offered() {
        QStringList items;
        auto& choice = Child<QComboBox>("stationChoice");
        for (int i = 0; i < choice.count(); ++i)
            items << choice.itemText(i);
        return items;
    }

    testing::TempDir dir;
    const std::filesystem::path file = dir.Path() / "history.sqlite3";
    testing::FixedClock clock{At(72 * 60)};
    std::optional<HistoryLink> link;
    std::optional<HistoryWindow> window;
};

TEST_F(ShownWindowTest, EscapeCtrlWAndTheCloseButtonCloseIt) {
    const struct {
        const char* name;
        std::function<void(HistoryWindow&)> close;
    } cases[] = {
        {"Escape", [](HistoryWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"Ctrl+W", [](HistoryWindow& w) { QTest::keySequence(&w, QKeySequence("Ctrl+W")); }},
        {"the Close button",
         [](HistoryWindow& w) { w.findChild<QPushButton*>("closeWindow")->click(); }},
    };
    for (const auto& c : cases) {
        window->ShowView({"KBFI", false, 1015.0});
        QApplication::setActiveWindow(&*window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*window)) << c.name;
        c.close(*window);
        EXPECT_FALSE(window->isVisible()) << c.name;
    }
}

// The gauge's own station comes first, stored or not; the store's others follow, so a log of
// another station imported while the gauge shows its own can be looked at.
TEST_F(ShownWindowTest, TheStationChoiceOffersTheStoredStationsTheGaugesOwnFirst) {
    const struct {
        const char* own;
        QStringList offered;
    } cases[] = {
        {"KFNT", {"KFNT", "KBFI"}},
        {"KBFI", {"KBFI", "KFNT"}},
        {"KJLN", {"KJLN", "KBFI", "KFNT"}},
    };
    for (const auto& c : cases) {
        QSignalSpy listed(&*window, &HistoryWindow::StationsListed);
        window->ShowView({c.own, false, std::nullopt});
        ASSERT_TRUE(listed.wait()) << c.own;
        EXPECT_EQ(Offered(), c.offered) << c.own;
        EXPECT_EQ(window->Station(), c.own);
    }
    // Chosen from the keyboard: the other station's readings are drawn.
    QSignalSpy reloaded(&*window, &HistoryWindow::Reloaded);
    auto& choice = Child<QComboBox>("stationChoice");
    choice.setFocus();
    QTest::keyClick(&choice, Qt::Key_Down);
    ASSERT_TRUE(testing::WaitUntil([&] { return reloaded.count() > 0; }));
    EXPECT_EQ(window->Station(), "KBFI");
    EXPECT_EQ(window->StatusText().toStdString(), "KBFI: 24 readings in the last 24 hours");
    // A station the history does not hold joins the choice; the stored ones stay offered.
    window->ChooseStation("KXYZ");
    EXPECT_EQ(Offered(), (QStringList{"KJLN", "KBFI", "KFNT", "KXYZ"}));
}

// A screen reader checks a period through the button's action; the chart and its status line
// follow, whichever action it uses.
TEST_F(ShownWindowTest, APeriodChosenThroughAccessibilitySwitchesTheSpan) {
    const struct {
        const char* button;
        QString action;
        int hours;
        const char* status;
    } cases[] = {
        {"span168Hours", QAccessibleActionInterface::toggleAction(), 168,
         "KBFI: 67 readings in the last 7 days"},
        {"span720Hours", QAccessibleActionInterface::pressAction(), 720,
         "KBFI: 67 readings in the last 30 days"},
        {"span8760Hours", QAccessibleActionInterface::toggleAction(), 8760,
         "KBFI: 67 readings in the last year"},
        {"span24Hours", QAccessibleActionInterface::pressAction(), 24,
         "KBFI: 24 readings in the last 24 hours"},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(&Child<QAbstractButton>(c.button));
        ASSERT_NE(button, nullptr) << c.button;
        ASSERT_NE(button->actionInterface(), nullptr) << c.button;
        QSignalSpy reloaded(&*window, &HistoryWindow::Reloaded);
        button->actionInterface()->doAction(c.action);
        ASSERT_TRUE(testing::WaitUntil([&] { return reloaded.count() > 0; })) << c.button;
        EXPECT_EQ(window->Span(), c.hours) << c.button;
        EXPECT_EQ(window->StatusText().toStdString(), c.status) << c.button;
    }
}

// Left and Right move a cursor along the readings; what it reads out is the chart's accessible
// description, as the pointer's would be.
TEST_F(ShownWindowTest, TheKeyboardCursorReadsOutTheReadingUnderIt) {
    const struct {
        std::vector<Qt::Key> keys;
        long minutes; // of the reading read out
    } cases[] = {
        {{Qt::Key_Left}, 23 * 60 + 53 + 48 * 60},
        {{Qt::Key_Left, Qt::Key_Left}, 22 * 60 + 53 + 48 * 60},
        {{Qt::Key_Right}, 48 * 60 + 53},
        {{Qt::Key_Home, Qt::Key_Right}, 49 * 60 + 53},
        {{Qt::Key_End, Qt::Key_Right}, 71 * 60 + 53},
        {{Qt::Key_Home, Qt::Key_Left}, 48 * 60 + 53},
    };
    HistoryChart& chart = window->Chart();
    for (const auto& c : cases) {
        QSignalSpy reloaded(&*window, &HistoryWindow::Reloaded);
        window->Reload(); // the cursor starts afresh on new readings
        ASSERT_TRUE(reloaded.wait());
        chart.setFocus();
        for (const Qt::Key key : c.keys)
            QTest::keyClick(&chart, key);
        ASSERT_NE(chart.Hovered(), nullptr);
        EXPECT_EQ(chart.Hovered()->Observed, At(c.minutes)) << c.minutes;
        const QString description =
            QAccessible::queryAccessibleInterface(&chart)->text(QAccessible::Description);
        EXPECT_EQ(description, chart.ReadOutText());
        EXPECT_TRUE(description.contains("Pressure 29.")) << description.toStdString();
    }
}

// With its bars, a window manager's title bar and a panel, it fits a 1366x768 screen.
TEST_F(ShownWindowTest, FitsA1366By768Screen) {
    constexpr int kFrameAndPanel = 32 + 40;
    for (const QSize size : {window->sizeHint(), window->minimumSizeHint()}) {
        EXPECT_LE(size.width(), 1366);
        EXPECT_LE(size.height(), 768 - kFrameAndPanel);
    }
}

TEST(HistoryWindowTest, ImportsALogOffTheWindowsThread) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const auto log = dir.Path() / "METAR.LOG";
    testing::WriteFile(log, testing::ReadFile(STORMBELL_TEST_DATA_DIR "/reports/KBFI.TXT") +
                                "\r\ntorn entry\r\n");
    testing::FixedClock clock(At(0));
    HistoryLink history(dir.Path() / "history.sqlite3");
    HistoryWindow window(history, clock);
    QSignalSpy finished(&window, &HistoryWindow::ImportFinished);
    window.ImportLog(QString::fromStdString(log.string()));
    ASSERT_TRUE(finished.wait());
    EXPECT_TRUE(
        window.StatusText().endsWith(": 1 added, 0 already stored, 1 damaged entries skipped"))
        << window.StatusText().toStdString();
}

TEST(HistoryWindowTest, TheWindowsThreadStaysLiveWhileAnotherProgramHoldsTheStore) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const auto file = dir.Path() / "history.sqlite3";
    HistoryStore(file).Add(testing::Reading("KBFI", 0));
    HistoryLink history(file);
    std::optional<RecordResult> stored;
    bool probed = false;
    {
        testing::HeldStore held(file);
        history.Record(
            SplitReportLines(testing::ReadFile(STORMBELL_TEST_DATA_DIR "/reports/KBFI.TXT")), At(0),
            true, &history, [&](const RecordResult& r) { stored = r; });
        QTimer::singleShot(20, [&] { probed = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return probed; }, 2000));
        EXPECT_FALSE(stored) << "the store was held, yet the reading came back";
    }
    ASSERT_TRUE(testing::WaitUntil([&] { return stored.has_value(); }));
    EXPECT_TRUE(stored->Stored) << stored->Problem;
    EXPECT_EQ(stored->Reading->Station, "KBFI");
}

TEST(HistoryWindowTest, QuittingDuringAnImportThatWaitsOnTheStoreEndsAtOnce) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const auto file = dir.Path() / "history.sqlite3";
    const auto log = dir.Path() / "METAR.LOG";
    testing::WriteFile(log, testing::ManyReports(100));
    HistoryStore(file).Add(testing::Reading("KBFI", 0));
    testing::HeldStore held(file);
    testing::FixedClock clock(At(0));
    auto history = std::make_unique<HistoryLink>(file);
    auto window = std::make_unique<HistoryWindow>(*history, clock);
    window->ImportLog(QString::fromStdString(log.string()));
    QElapsedTimer quitting;
    quitting.start();
    window.reset();
    history.reset();
    EXPECT_LT(quitting.elapsed(), 500);
}

TEST(HistoryWindowTest, ClosingTheWindowStopsAnImportKeepingWhatWasStored) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const auto file = dir.Path() / "history.sqlite3";
    const auto log = dir.Path() / "METAR.LOG";
    testing::WriteFile(log, testing::ManyReports(4 * static_cast<int>(kImportBatch)));
    testing::FixedClock clock(At(0));
    HistoryLink history(file);
    HistoryWindow window(history, clock);
    QSignalSpy finished(&window, &HistoryWindow::ImportFinished);
    window.show();
    window.ImportLog(QString::fromStdString(log.string()));
    window.close();
    ASSERT_TRUE(finished.wait());
    EXPECT_TRUE(window.StatusText().endsWith("; stopped before the end"))
        << window.StatusText().toStdString();
    EXPECT_LT(HistoryStore(file).Count(), 4 * static_cast<long long>(kImportBatch));
}

} // namespace
} // namespace stormbell
