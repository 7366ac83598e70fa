#include "history/qt/HistoryWindow.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

#include "history/HistoryStore.h"
#include "observation/ReportLines.h"
#include "tests/history/HistorySample.h"
#include "tests/history/StoreFaults.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ImageDiff.h"
#include "tests/support/TempDir.h"

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
    ASSERT_TRUE(QTest::qWaitFor([&] { return reloaded.count() == 1; }));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored.has_value(); }, 10000));
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
