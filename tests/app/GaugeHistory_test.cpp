#include "app/qt/GaugeHistory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "history/HistoryStore.h"
#include "settings/WindowPlace.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempDir.h"

namespace stormbell::testing {
namespace {

using namespace std::chrono;

// 2024-04-18 19:00 UTC.
const sys_seconds kHour = sys_days{April / 18 / 2024} + hours(19);

HistoryReading Stored(const char* station, sys_seconds observed) {
    HistoryReading reading;
    reading.Station = station;
    reading.Observed = reading.Received = observed;
    reading.PressureHpa = 1013;
    reading.Report = station;
    return reading;
}

// A printout takes the shown station's last three days from the copy the history's thread
// sent back after the reading was stored, never from the store itself.
TEST(GaugeHistoryTest, KeepsTheShownStationsLastDaysForAPrintout) {
    if (!HistoryStore::Available())
        GTEST_SKIP() << "this build keeps no history";
    TempDir dir;
    const auto file = dir.Path() / "history.sqlite3";
    HistoryStore(file).AddAll({Stored("KBFI", kHour - hours(80)), Stored("KBFI", kHour - hours(2)),
                               Stored("KBFI", kHour - hours(1)), Stored("KFNT", kHour - hours(1))});
    const FixedClock clock(kHour + hours(1));
    const ReadingKey shown{"KBFI", kHour + minutes(20)};
    std::string place;
    GaugeHistory history(
        file, clock, [&] { return std::optional(shown); }, {}, place);
    history.Record({"SOMEWHERE, XX (KBFI)", "Apr 18, 2024 / 2024.04.18 1920 UTC",
                    "Pressure (altimeter): 30.12 in. Hg (1020 hPa)"},
                   true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history.RecentReads() > 0; }));
    const struct {
        const char* station;
        sys_seconds since;
        std::size_t readings;
    } cases[] = {
        {"KBFI", kHour - hours(72), 3},
        {"KBFI.TXT", kHour - minutes(90), 2},
        {"KFNT", kHour - hours(72), 0}, // another station's were not read
    };
    for (const auto& c : cases)
        EXPECT_EQ(history.RecentReadings(c.station, c.since).size(), c.readings) << c.station;
}

// The window opens where it was left, brought onto the screen there is, and its place is kept
// in the setting as it moves.
TEST(GaugeHistoryTest, TheWindowOpensOnTheScreenAndKeepsItsPlace) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* stored;
        std::optional<QRect> exactly;
    } cases[] = {
        {"", std::nullopt},
        {"damaged", std::nullopt},
        {"5000,5000,3000,3000", std::nullopt},
        {"-900,-900,600,500", std::nullopt},
        {"20,40,600,500", QRect(20, 40, 600, 500)},
    };
    const FixedClock clock(kHour);
    for (const auto& c : cases) {
        std::string place = c.stored;
        GaugeHistory history(
            std::nullopt, clock, [] { return std::optional<ReadingKey>(); }, {}, place);
        history.ShowWindow({"KBFI", false, std::nullopt}, nullptr);
        HistoryWindow& window = *history.Window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << c.stored;
        EXPECT_TRUE(screen.contains(window.geometry())) << c.stored;
        if (c.exactly) {
            EXPECT_EQ(window.geometry(), *c.exactly) << c.stored;
        }
        window.setGeometry(30, 50, 640, 520);
        EXPECT_TRUE(QTest::qWaitFor([&] { return place == "30,50,640,520"; }))
            << c.stored << ": " << place;
    }
}

} // namespace
} // namespace stormbell::testing
