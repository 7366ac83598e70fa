#include "history/LogImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "observation/ReportLines.h"
#include "observation/ReportLog.h"
#include "tests/history/HistorySample.h"
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

} // namespace
} // namespace stormbell
