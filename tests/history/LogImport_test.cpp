#include "history/LogImport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/history/HistorySample.h"
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

} // namespace
} // namespace stormbell
