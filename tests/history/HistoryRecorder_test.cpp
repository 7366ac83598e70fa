#include "history/HistoryRecorder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "history/HistoryNote.h"
#include "observation/ReportLines.h"
#include "tests/history/HistorySample.h"
#include "tests/history/StoreFaults.h"
#include "tests/support/PermissionBitsApply.h"
#include "tests/support/SmallFilesystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/Thrown.h"

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
            ASSERT_TRUE(result.Aside);
            EXPECT_NE(note.find("set aside as " + file.string() + c.asideAs), std::string::npos)
                << note;
            EXPECT_EQ(ReadFile(file.string() + c.asideAs), before);
            EXPECT_EQ(HistoryStore(file).Count(), 1);
        } else {
            EXPECT_NE(note.find("The history could not be written: "), std::string::npos) << note;
            EXPECT_FALSE(result.Aside);
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

TEST(HistoryRecorderTest, SetsAsideOnlyTheFileFoundDamagedAndChecksEveryRename) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& file)> meanwhile; ///< after the damage was found
        const char* refusal;                                 ///< nullptr: set aside
    };
    const Case cases[] = {
        {"the damaged file with its journals", [](const fs::path&) {}, nullptr},
        {"another program's new store in its place",
         [](const fs::path& file) {
             WriteFile(file.string() + ".new", "a new store");
             fs::rename(file.string() + ".new", file);
         },
         "another file has taken its name meanwhile"},
        {"a journal that cannot follow",
         [](const fs::path& file) { fs::create_directories(file.string() + ".bad-shm/taken"); },
         "its journal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        const fs::path file = dir.Path() / "history.sqlite3";
        WriteFile(file, std::string(5000, 'x'));
        WriteFile(file.string() + "-wal", "journal");
        WriteFile(file.string() + "-shm", "shared");
        const auto damaged = IdentityOf(file);
        c.meanwhile(file);
        const std::string before = ReadFile(file);
        const auto refused = Thrown<EHistoryError>(
            [&] { EXPECT_EQ(SetHistoryAside(file, damaged).Aside, file.string() + ".bad"); });
        EXPECT_EQ(refused.has_value(), c.refusal != nullptr);
        if (refused) {
            EXPECT_NE(std::string(refused->what()).find(c.refusal), std::string::npos)
                << refused->what();
            EXPECT_EQ(ReadFile(file), before);
            EXPECT_EQ(ReadFile(file.string() + "-wal"), "journal");
            EXPECT_FALSE(fs::exists(file.string() + ".bad"));
        } else {
            EXPECT_EQ(ReadFile(file.string() + ".bad"), before);
            EXPECT_EQ(ReadFile(file.string() + ".bad-wal"), "journal");
            EXPECT_EQ(ReadFile(file.string() + ".bad-shm"), "shared");
            EXPECT_EQ(HistoryStore(file).Count(), 0);
        }
    }
}

// Three thousand readings with long reports: many pages, so one damaged page leaves the rest.
void WriteLargeStore(const fs::path& file) {
    std::vector<HistoryReading> readings;
    for (long minute = 0; minute < 3000; ++minute) {
        readings.push_back(testing::Reading("KBFI", minute));
        readings.back().Report = std::string(300, 'r');
    }
    HistoryStore(file).AddAll(readings);
}

TEST(HistoryRecorderTest, ADamagedPageFoundOnAnyUseIsSetAsideKeepingWhatIsReadable) {
    SKIP_WITHOUT_HISTORY();
    using Use = std::function<std::string(HistoryRecorder&)>;
    struct Case {
        const char* what;
        Use use; ///< gives the notice
    };
    const Case cases[] = {
        {"a read of the window",
         [](HistoryRecorder& r) {
             const HistoryRead read = r.Read({});
             EXPECT_EQ(read.Problem, "");
             EXPECT_GT(read.Readings.size(), 0u);
             return read.Aside ? AsideNotice(*read.Aside) : "";
         }},
        {"a stored reading's trend",
         [](HistoryRecorder& r) {
             auto lines = Karb();
             lines[0] = "SEATTLE BOEING FIELD, WA, United States (KBFI) 47-33N 122-19W 4M";
             // Three hours after the readings on the damaged page in the middle.
             lines[1] = "Dec 9, 2026 / 2026.12.09 0400 UTC";
             lines.erase(std::remove_if(lines.begin(), lines.end(),
                                        [](const std::string& l) {
                                            return l.starts_with("Pressure tendency");
                                        }),
                         lines.end());
             const RecordResult result = r.Record(lines, At(1700), true);
             EXPECT_TRUE(result.Stored) << result.Problem;
             return result.Aside ? AsideNotice(*result.Aside) : "";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        const fs::path file = dir.Path() / "history.sqlite3";
        WriteLargeStore(file);
        testing::DamageMiddlePage(file);
        const std::string damaged = ReadFile(file);
        HistoryRecorder recorder(file);
        const std::string notice = c.use(recorder);
        EXPECT_NE(notice.find("set aside as " + file.string() +
                              ".bad; a new history begins with "
                              "the "),
                  std::string::npos)
            << notice;
        EXPECT_NE(notice.find("readings still readable"), std::string::npos) << notice;
        EXPECT_EQ(ReadFile(file.string() + ".bad"), damaged);
        const long long kept = HistoryStore(file).Count();
        EXPECT_GT(kept, 2500);
        EXPECT_LT(kept, 3002);
    }
}

TEST(HistoryRecorderTest, AReadOnlyStoreIsStillReadAndSaysNothingNewIsStored) {
    SKIP_WITHOUT_HISTORY();
    struct Case {
        const char* what;
        bool folderReadOnly;
    };
    const Case cases[] = {{"a read-only file", false}, {"a read-only folder", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        const fs::path folder = dir.Path() / "data";
        const fs::path file = folder / "history.sqlite3";
        HistoryStore(file).AddAll({testing::Reading("KARB", 0), testing::Reading("KARB", 60)});
        ::chmod((c.folderReadOnly ? folder : file).c_str(), 0555);
        {
            testing::PermissionBitsApply bits;
            HistoryRecorder recorder(file);
            const HistoryRead read = recorder.Read({"KARB"});
            EXPECT_EQ(read.Problem, "");
            EXPECT_EQ(read.Readings.size(), 2u);
            const RecordResult result = recorder.Record(Karb(), At(0), true);
            EXPECT_FALSE(result.Stored);
            EXPECT_NE(HistoryNote(result).find("can be read but not written: nothing new can be "
                                               "stored"),
                      std::string::npos)
                << HistoryNote(result);
        }
        ::chmod(folder.c_str(), 0755);
    }
}

TEST(HistoryRecorderTest, AnAlertIsFirstOnlyOncePerStationAndTime) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const fs::path file = dir.Path() / "history.sqlite3";
    struct Case {
        std::optional<fs::path> file;
        ReadingKey reading;
        bool first;
        bool problem;
    };
    const Case cases[] = {
        {file, {"KBFI", At(0)}, true, false},
        {file, {"KBFI", At(0)}, false, false},
        {file, {"KBFI", At(1)}, true, false},
        {std::nullopt, {"KBFI", At(0)}, true, true}, // no history: it cannot tell, so it rings
    };
    for (const auto& c : cases) {
        HistoryRecorder recorder(c.file); // each a new start of the gauge
        const AlertClaim claim = recorder.ClaimAlert(c.reading);
        EXPECT_EQ(claim.Reading, c.reading);
        EXPECT_EQ(std::make_pair(claim.First, !claim.Problem.empty()),
                  std::make_pair(c.first, c.problem))
            << claim.Problem;
    }
}

TEST(HistoryRecorderTest, AResultNamesTheReadingItWasComputedFor) {
    testing::TempDir dir;
    HistoryRecorder recorder(dir.Path() / "history.sqlite3");
    using namespace std::chrono;
    EXPECT_EQ(recorder.Record(Karb(), At(0), false).Reading,
              (ReadingKey{"KARB", sys_days(year(2018) / February / 11) + hours(23) + minutes(53)}));
    EXPECT_EQ(recorder.Record({"no header"}, At(0), false).Reading, std::nullopt);
}

} // namespace
} // namespace stormbell
