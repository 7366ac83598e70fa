#include "history/HistoryRecorder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "history/HistoryNote.h"
#include "observation/ReportLines.h"
#include "tests/history/HistorySample.h"
#include "tests/support/PermissionBitsApply.h"
#include "tests/support/SmallFilesystem.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

namespace fs = std::filesystem;
using testing::At;
using testing::ReadFile;
using testing::WriteFile;

std::vector<std::string> Karb() {
    return SplitReportLines(ReadFile(STORMBELL_TEST_DATA_DIR "/reports/KARB.TXT"));
}

// A sound store holding one reading, with its pages after the first overwritten.
void WriteCorruptStore(const fs::path& file) {
    HistoryStore(file).Add(testing::Reading("KBFI", 0));
    std::string bytes = ReadFile(file);
    ASSERT_GT(bytes.size(), 4096u);
    std::fill(bytes.begin() + 4096, bytes.end(), '\xff');
    WriteFile(file, bytes);
}

TEST(HistoryRecorderTest, ADamagedOrUnwritableStoreNeverStopsTheReading) {
    SKIP_WITHOUT_HISTORY();
    struct Case {
        const char* what;
        std::function<void(const fs::path& file)> make;
        bool stored;
        const char* asideAs; ///< where the damaged file went; nullptr: left in place
        bool needsMount = false;
    };
    const Case cases[] = {
        {"not a database",
         [](const fs::path& f) {
             WriteFile(f, std::string(5000, 'x'));
             WriteFile(f.string() + ".bad", "an older damaged copy");
         },
         true, ".bad.1"},
        {"corrupt pages", WriteCorruptStore, true, ".bad"},
        {"unreadable",
         [](const fs::path& f) {
             WriteFile(f, "");
             ::chmod(f.c_str(), 0);
         },
         false, nullptr},
        {"read-only",
         [](const fs::path& f) {
             HistoryStore(f).Add(testing::Reading("KBFI", 0));
             ::chmod(f.c_str(), 0444);
         },
         false, nullptr},
        {"a folder in its place", [](const fs::path& f) { fs::create_directory(f); }, false,
         nullptr},
        {"a full disk", [](const fs::path&) {}, false, nullptr, true},
    };
    testing::SmallFilesystem full;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        fs::path file = dir.Path() / "history.sqlite3";
        if (c.needsMount) {
            if (!full.Mounted())
                continue;
            full.Fill("filler");
            file = full.Path() / "history.sqlite3";
        }
        c.make(file);
        const std::string before = fs::is_regular_file(file) ? ReadFile(file) : "";
        testing::PermissionBitsApply bits;
        HistoryRecorder recorder(file);
        const RecordResult result = recorder.Record(Karb(), At(0), true);
        EXPECT_EQ(result.Stored, c.stored);
        EXPECT_EQ(result.Problem.empty(), c.stored) << result.Problem;
        ASSERT_TRUE(result.Trend) << "the report's own tendency is still given";
        EXPECT_EQ(result.Trend->ChangeHpa, 4.1);
        const std::string note = HistoryNote(result);
        EXPECT_EQ(note.find("Pressure"), std::string::npos) << "the report tells its own: " << note;
        if (c.asideAs) {
            EXPECT_NE(result.Notice.find("set aside as " + file.string() + c.asideAs),
                      std::string::npos)
                << result.Notice;
            EXPECT_EQ(ReadFile(file.string() + c.asideAs), before);
            EXPECT_EQ(HistoryStore(file).Count(), 1);
        } else {
            EXPECT_NE(note.find("The history could not be written: "), std::string::npos) << note;
            EXPECT_TRUE(result.Notice.empty());
            if (fs::is_regular_file(file)) {
                EXPECT_EQ(ReadFile(file), before);
            }
        }
    }
}

TEST(HistoryRecorderTest, OffStoresNothingAndStillGivesTheReportsTrend) {
    testing::TempDir dir;
    HistoryRecorder recorder(dir.Path() / "history.sqlite3");
    const RecordResult result = recorder.Record(Karb(), At(0), false);
    EXPECT_FALSE(result.Stored);
    EXPECT_TRUE(result.Problem.empty());
    EXPECT_TRUE(result.Trend);
    EXPECT_FALSE(fs::exists(dir.Path() / "history.sqlite3"));
}

} // namespace
} // namespace stormbell
