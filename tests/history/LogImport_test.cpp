#include "history/LogImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "observation/ReportLines.h"
#include "observation/ReportLog.h"
#include "tests/history/HistorySample.h"
#include "tests/history/StoreFaults.h"
#include "tests/support/ReportShapes.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

std::string Entry(const char* name) {
    return testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR "/reports/") + name) + "\r\n";
}

TEST(LogImportTest, StoresEveryReportAndSkipsAndCountsDamagedEntries) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    HistoryStore store(dir.Path() / "h.sqlite3");
    store.Add(testing::Reading("KBFI", 0));
    // A log as the gauge writes it, with a torn entry, a duplicate and an oversized run.
    std::istringstream log(Entry("KARB.TXT") + "\x01\x02garbage without a header\r\n\r\n" +
                           Entry("KBFI.TXT") + Entry("KARB.TXT") + std::string(2 << 20, 'z') +
                           "\r\n\r\n" + Entry("KFNT.TXT"));
    const ImportCounts counts = ImportLog(log, store, testing::At(0));
    EXPECT_EQ(counts, (ImportCounts{3, 1, 2}));
    EXPECT_EQ(store.Count(), 4);
}

class KeptMessages final : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Whatever shape the service's text came in, the gauge's log of it imports with its station and
// observation time.
TEST(LogImportTest, EveryShapeOfAReportIsLoggedAndStored) {
    SKIP_WITHOUT_HISTORY();
    using namespace std::chrono;
    for (const auto& shape : testing::ReportShapes(
             testing::ReadFile(std::string(STORMBELL_TEST_DATA_DIR "/reports/KFNT.TXT")))) {
        testing::TempDir dir;
        KeptMessages messages;
        ReportLog(dir.Path(), messages).Append(SplitReportLines(shape.text));
        EXPECT_EQ(messages.texts, std::vector<std::string>{}) << shape.name;
        HistoryStore store(dir.Path() / "h.sqlite3");
        std::ifstream log(dir.Path() / "METAR.LOG", std::ios::binary);
        EXPECT_EQ(ImportLog(log, store, testing::At(0)), (ImportCounts{1, 0, 0})) << shape.name;
        const auto stored = store.Readings({});
        ASSERT_EQ(stored.size(), 1u) << shape.name;
        EXPECT_EQ(stored[0].Station, "KFNT") << shape.name;
        EXPECT_EQ(stored[0].Observed, sys_days{2021y / August / 12} + 3h + 21min) << shape.name;
        EXPECT_EQ(stored[0].TemperatureC, 22.2) << shape.name;
    }
}

TEST(LogImportTest, SkipsOverlongLinesAndImplausibleTimesAsDamaged) {
    SKIP_WITHOUT_HISTORY();
    const std::string kbfi = Entry("KBFI.TXT");
    const auto withTime = [&](const char* time) {
        std::string entry = kbfi;
        entry.replace(entry.find("2023.08.25 0353"), 15, time);
        return entry;
    };
    struct Case {
        const char* what;
        std::string log;
        ImportCounts counts;
    };
    const Case cases[] = {
        // The carriage return is the line's last character.
        {"a line of 64 KiB",
         kbfi.substr(0, kbfi.size() - 2) + std::string(kMaxLogLine - 1, 'a') + "\r\n\r\n",
         {1, 0, 0}},
        {"a line over 64 KiB",
         "KBFI " + std::string(kMaxLogLine, 'a') + "\r\n\r\n" + Entry("KARB.TXT"),
         {1, 0, 1}},
        {"a long line without an end", Entry("KARB.TXT") + std::string(3 << 20, 'a'), {1, 0, 1}},
        {"the year 0000", withTime("0000.01.01 0000"), {0, 0, 1}},
        {"the year 2099", withTime("2099.08.25 0353"), {0, 0, 1}},
        {"the year 9999", withTime("9999.08.25 0353"), {0, 0, 1}},
        {"a day ahead", withTime("2026.12.09 0000"), {1, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        HistoryStore store(dir.Path() / "h.sqlite3");
        std::istringstream log(c.log);
        EXPECT_EQ(ImportLog(log, store, testing::At(0)), c.counts);
    }
}

TEST(LogImportTest, AStopEndsTheImportKeepingWhatWasStored) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    HistoryStore store(dir.Path() / "h.sqlite3");
    std::stop_source stop;
    stop.request_stop();
    std::istringstream log(testing::ManyReports(3 * static_cast<int>(kImportBatch)));
    const ImportCounts counts = ImportLog(log, store, testing::At(0), stop.get_token());
    EXPECT_TRUE(counts.Stopped);
    EXPECT_LT(counts.Added, kImportBatch);
    EXPECT_EQ(store.Count(), static_cast<long long>(counts.Added));
}

} // namespace
} // namespace stormbell
