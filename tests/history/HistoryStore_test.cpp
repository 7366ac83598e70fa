#include "history/HistoryStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <thread>

#include "history/HistoryFormat.h"
#include "history/ReadingFromReport.h"
#include "observation/ObservationTime.h"
#include "observation/ReportLines.h"
#include "tests/history/HistorySample.h"
#include "tests/history/StoreFaults.h"
#include "tests/support/TempDir.h"
#include "tests/support/Thrown.h"

namespace stormbell {
namespace {

using testing::At;
using testing::Reading;
using testing::TempDir;

std::vector<std::string> SampleLines(const std::string& name) {
    return SplitReportLines(testing::ReadFile(STORMBELL_TEST_DATA_DIR "/reports/" + name));
}

// The stored row as CSV without the report, which is the file itself.
std::string Row(HistoryReading reading) {
    reading.Report.clear();
    return HistoryCsvRow(reading);
}

TEST(HistoryStoreTest, KeepsEachReportsOwnFigures) {
    SKIP_WITHOUT_HISTORY();
    struct Case {
        const char* report;
        const char* row;
    };
    const Case cases[] = {
        {"KBFI.TXT", "KBFI,2023-08-25T03:53:00Z,2026-12-08T00:00:00Z,19.4,11.1,58,1013.9,,true,4,,"
                     "10 mile(s),clear,smoke,,\r\n"},
        {"KARB.TXT", "KARB,2018-02-11T23:53:00Z,2026-12-08T00:00:00Z,-4.4,-6.7,83,1016.6,250,"
                     "false,8,,10 mile(s),clear,,4.1,\r\n"},
        {"KFNT.TXT", "KFNT,"},
        {"CYVR.TXT", "CYVR,2013-04-25T05:00:00Z,2026-12-08T00:00:00Z,13,5,58,1019,,false,0,,"
                     "30 mile(s),mostly cloudy,,,\r\n"},
    };
    TempDir dir;
    HistoryStore store(dir.Path() / "h.sqlite3");
    for (const auto& c : cases) {
        const auto reading = ReadingFromReport(SampleLines(c.report), At(0));
        ASSERT_TRUE(reading) << c.report;
        ASSERT_TRUE(store.Add(*reading));
        const auto stored = store.Readings({reading->Station});
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0], *reading) << c.report;
        EXPECT_TRUE(Row(stored[0]).starts_with(c.row)) << Row(stored[0]);
    }
    // The gusts and direction of KFNT's "from the SSW (210 degrees) ... gusting to 22 KT".
    const auto kfnt = store.Readings({"KFNT"}).at(0);
    EXPECT_EQ(std::make_tuple(kfnt.WindDirection, kfnt.WindSpeedKnots, kfnt.WindGustKnots),
              std::make_tuple(std::optional(210), std::optional(13), std::optional(22)));
}

TEST(HistoryStoreTest, AReportWithoutStationOrTimeHasNoRow) {
    auto lines = SampleLines("KBFI.TXT");
    lines[1] = "Aug 24, 2023 - 11:53 PM EDT";
    EXPECT_FALSE(ReadingFromReport(lines, At(0)));
    EXPECT_FALSE(ReadingFromReport({"SEATTLE BOEING FIELD (KBFI)"}, At(0)));
}

TEST(HistoryStoreTest, ARepeatedReportAddsNothing) {
    SKIP_WITHOUT_HISTORY();
    TempDir dir;
    HistoryStore store(dir.Path() / "h.sqlite3");
    HistoryReading again = Reading("KBFI", 60);
    EXPECT_TRUE(store.Add(Reading("KBFI", 60)));
    again.Received = At(120);
    EXPECT_FALSE(store.Add(again));
    EXPECT_EQ(store.AddAll({again, Reading("KBFI", 120), Reading("KSEA", 60)}), 2u);
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.Readings({"KBFI"}).at(0).Received, At(60));
}

TEST(HistoryStoreTest, ListsEachStationOnceInOrder) {
    SKIP_WITHOUT_HISTORY();
    const struct {
        const char* name;
        std::vector<HistoryReading> readings;
        std::vector<std::string> stations;
    } cases[] = {
        {"an empty store", {}, {}},
        {"one station's day",
         {Reading("KFNT", 0), Reading("KFNT", 60), Reading("KFNT", 120)},
         {"KFNT"}},
        {"interleaved stations",
         {Reading("KFNT", 0), Reading("KBFI", 10), Reading("KFNT", 60), Reading("EGLC", 20),
          Reading("KBFI", 70)},
         {"EGLC", "KBFI", "KFNT"}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        HistoryStore store(dir.Path() / "history.sqlite3");
        store.AddAll(c.readings);
        EXPECT_EQ(store.Stations(), c.stations) << c.name;
    }
}

TEST(HistoryStoreTest, ReadsBetweenBoundsByTime) {
    SKIP_WITHOUT_HISTORY();
    TempDir dir;
    HistoryStore store(dir.Path() / "h.sqlite3");
    store.AddAll(
        {Reading("KBFI", 180), Reading("KSEA", 60), Reading("KBFI", 60), Reading("KBFI", 0)});
    std::vector<long> minutes;
    for (const auto& r : store.Readings({std::nullopt, At(60), At(180)}))
        minutes.push_back((r.Observed - At(0)).count() / 60);
    EXPECT_EQ(minutes, (std::vector<long>{60, 60, 180}));
    EXPECT_EQ(store.Readings({"KBFI", At(1), std::nullopt}).size(), 2u);
}

TEST(HistoryStoreTest, TwoWritersAtOnceLoseNothing) {
    SKIP_WITHOUT_HISTORY();
    TempDir dir;
    const auto file = dir.Path() / "h.sqlite3";
    HistoryStore(file).Add(Reading("KBFI", -1));
    const auto write = [&](const std::string& station) {
        HistoryStore store(file);
        for (int i = 0; i < 200; ++i)
            store.Add(Reading(station, i));
    };
    std::thread first(write, "KBFI"), second(write, "KSEA");
    first.join();
    second.join();
    EXPECT_EQ(HistoryStore(file).Count(), 401);
}

TEST(HistoryStoreTest, ASchemaOutsideTheKnownRangeIsRefusedAndLeftAlone) {
    SKIP_WITHOUT_HISTORY();
    constexpr int kCurrent = 2;
    struct Case {
        int version;
        const char* refusal; ///< nullptr: opened
    };
    const Case cases[] = {
        {-100000, "has a schema this Stormbell does not know (schema -100000)"},
        {-1, "has a schema this Stormbell does not know (schema -1)"},
        // A header that says "new" over tables that are there: the first step fails, told.
        {0, "could not be brought to the current schema"},
        {kCurrent, nullptr},
        {kCurrent + 1, "was written by a newer Stormbell (schema 3)"},
        {INT_MAX, "was written by a newer Stormbell (schema 2147483647)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        TempDir dir;
        const auto file = dir.Path() / "h.sqlite3";
        HistoryStore(file).Add(Reading("KBFI", 0));
        testing::WriteSchemaVersion(file, c.version);
        const std::string before = testing::ReadFile(file);
        const auto refused = Thrown<EHistoryError>([&] { HistoryStore store(file); });
        EXPECT_EQ(refused.has_value(), c.refusal != nullptr);
        if (refused) {
            EXPECT_NE(std::string(refused->what()).find(c.refusal), std::string::npos)
                << refused->what();
            EXPECT_FALSE(refused->Damaged());
            EXPECT_EQ(testing::ReadFile(file), before);
            EXPECT_FALSE(std::filesystem::exists(file.string() + ".bad"));
        }
    }
}

TEST(HistoryStoreTest, KeepsOnlyObservationsFrom1900ToADayAheadOfTheirReceipt) {
    SKIP_WITHOUT_HISTORY();
    using namespace std::chrono;
    const sys_seconds received = At(0);
    struct Case {
        sys_seconds observed;
        bool kept;
    };
    const Case cases[] = {
        {sys_days(year(0) / January / 1), false},
        {sys_days(year(1899) / December / 31) + hours(23), false},
        {sys_days(year(1900) / January / 1), true},
        {received + days(1), true},
        {received + days(1) + seconds(1), false},
        {sys_days(year(2099) / January / 1), false},
        {sys_days(year(9999) / December / 31), false},
    };
    TempDir dir;
    HistoryStore store(dir.Path() / "h.sqlite3");
    for (const auto& c : cases) {
        HistoryReading reading = Reading("KBFI", 0);
        reading.Observed = c.observed;
        reading.Received = received;
        EXPECT_EQ(PlausibleObservation(c.observed, received), c.kept);
        EXPECT_EQ(!Thrown<EHistoryError>([&] { store.Add(reading); }), c.kept)
            << IsoUtc(c.observed);
    }
    EXPECT_EQ(store.Count(), 2);
}

TEST(HistoryStoreTest, TellsWhetherAnAlertWasNotedBeforeAcrossOpens) {
    SKIP_WITHOUT_HISTORY();
    TempDir dir;
    const auto file = dir.Path() / "h.sqlite3";
    struct Case {
        const char* station;
        long minutes;
        bool first;
    };
    const Case cases[] = {
        {"KBFI", 0, true}, {"KBFI", 0, false},  {"KBFI", 60, true},
        {"KSEA", 0, true}, {"KBFI", 60, false},
    };
    for (const auto& c : cases) {
        HistoryStore store(file); // a store opened anew: as after a restart
        EXPECT_EQ(store.NoteAlert(c.station, At(c.minutes)), c.first)
            << c.station << " " << c.minutes;
    }
    HistoryStore store(file);
    store.Add(Reading("KBFI", 0));
    EXPECT_TRUE(store.Holds("KBFI", At(0)));
    EXPECT_FALSE(store.Holds("KBFI", At(60)));
}

} // namespace
} // namespace stormbell
