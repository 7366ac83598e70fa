#include <gtest/gtest.h>

#include <sstream>

#include "history/HistoryStore.h"
#include "tests/history/HistorySample.h"
#include "tests/support/TempDir.h"
#include "tests/support/Thrown.h"
#include "tools/cli/Commands.h"

#ifndef _WIN32
#include "tests/support/PermissionBitsApply.h"
#endif

namespace stormbell {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome History(const Args& args, const fs::path& file) {
    std::ostringstream out, err;
    const int status = RunHistory(args, out, err, file);
    return {status, out.str(), err.str()};
}

long Lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

TEST(HistoryCommandTest, PrintsTheChosenReadingsAsCsvOrJsonLines) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const fs::path file = dir.Path() / "history.sqlite3";
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    std::vector<HistoryReading> readings = {
        testing::Reading("KBFI", 0), testing::Reading("KBFI", 60), testing::Reading("KSEA", 60)};
    readings[1].Observed = now - std::chrono::minutes(30);
    // A report whose clock runs ahead: kept, but never listed as within the last hour.
    readings.push_back(testing::Reading("KSEA", 0));
    readings.back().Observed = readings.back().Received = now + std::chrono::hours(2);
    HistoryStore(file).AddAll(readings);
    struct Case {
        Args args;
        int status;
        long lines;
    };
    const Case cases[] = {
        {{}, 0, 5},
        {{"--format", "json"}, 0, 4},
        {{"--station", "KBFI", "--format", "csv"}, 0, 3},
        {{"--since", "1h", "--format", "json"}, 0, 1},
        {{"--since", "1 h"}, 2, 0},
        {{"--format", "xml"}, 2, 0},
        {{"--station"}, 2, 0},
    };
    for (const auto& c : cases) {
        const Outcome run = History(c.args, file);
        EXPECT_EQ(std::make_pair(run.status, Lines(run.out)), std::make_pair(c.status, c.lines))
            << ::testing::PrintToString(c.args) << run.out << run.err;
    }
    EXPECT_TRUE(
        History({"--station", "KBFI", "--format", "json"}, file)
            .out.starts_with(R"({"station": "KBFI", "observed": "2026-12-08T00:00:00Z", )"));
}

TEST(HistoryCommandTest, AMissingStoreIsEmptyAndADamagedOneIsReportedAndLeftAlone) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const fs::path file = dir.Path() / "history.sqlite3";
    EXPECT_EQ(History({"--format", "json"}, file).out, "");
    EXPECT_FALSE(fs::exists(file));
    testing::WriteFile(file, std::string(5000, 'x'));
    std::ostringstream out, err;
    const auto refused = Thrown<EHistoryError>([&] { RunHistory({}, out, err, file); });
    ASSERT_TRUE(refused) << "read a file that is no database";
    EXPECT_NE(std::string(refused->what()).find(file.string()), std::string::npos);
    EXPECT_EQ(out.str(), "") << "nothing on stdout when it fails, not even the header";
    EXPECT_EQ(testing::ReadFile(file), std::string(5000, 'x'));
    EXPECT_FALSE(fs::exists(file.string() + ".bad"));
}

TEST(HistoryCommandTest, ImportCountsWhatItAddedAndSkipped) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const fs::path log = dir.Path() / "METAR.LOG";
    testing::WriteFile(log, testing::ReadFile(STORMBELL_TEST_DATA_DIR "/reports/KBFI.TXT") +
                                "\r\nnot a report\r\n\r\n");
    const Outcome run = History({"import", log.string()}, dir.Path() / "h.sqlite3");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, log.string() + ": 1 added, 0 already stored, 1 damaged entries skipped\n");
    EXPECT_EQ(History({"import", (dir.Path() / "none").string()}, dir.Path() / "h.sqlite3").status,
              1);
}

#ifndef _WIN32
TEST(HistoryCommandTest, AFailedImportSaysHowManyReadingsItStoredFirst) {
    SKIP_WITHOUT_HISTORY();
    testing::TempDir dir;
    const fs::path store = dir.Path() / "h.sqlite3";
    const fs::path log = dir.Path() / "METAR.LOG";
    HistoryStore(store).Add(testing::Reading("KBFI", 0));
    testing::WriteFile(log, testing::ReadFile(STORMBELL_TEST_DATA_DIR "/reports/KARB.TXT"));
    // A store held by an import that never ends would do the same, after five seconds.
    fs::permissions(store, fs::perms::owner_read);
    testing::PermissionBitsApply bits;
    const Outcome run = History({"import", log.string()}, store);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("nothing new can be stored; 0 readings were stored before"),
              std::string::npos)
        << run.err;
}
#endif

} // namespace
} // namespace stormbell
