#include "observation/ReportLog.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/observation/Fakes.h"
#include "tests/observation/TempDir.h"

namespace stormbell {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

const std::vector<std::string> First = {"CYVR report", "Wind: Calm:0"};
const std::vector<std::string> Second = {"KARB report"};

class ReportLogTest : public ::testing::Test {
protected:
    fs::path LogPath() const { return dir.Path() / "METAR.LOG"; }
    fs::path TmpPath() const { return dir.Path() / "METAR.TMP"; }

    testing::TempDir dir;
    testing::RecordingMessages messages;
};

TEST_F(ReportLogTest, KeepsEveryReportFollowedByAnEmptyLine) {
    ReportLog log(dir.Path(), messages);
    log.Append(First);
    EXPECT_EQ(ReadFile(LogPath()), "CYVR report\r\nWind: Calm:0\r\n\r\n");
    log.Append(Second);
    EXPECT_EQ(ReadFile(LogPath()), "CYVR report\r\nWind: Calm:0\r\n\r\nKARB report\r\n\r\n");
    EXPECT_FALSE(fs::exists(TmpPath()));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ReportLogTest, RewritesAnOldLogWithCrLf) {
    WriteFile(LogPath(), "old one\nold two\rold three");
    ReportLog(dir.Path(), messages).Append(Second);
    EXPECT_EQ(ReadFile(LogPath()), "old one\r\nold two\r\nold three\r\nKARB report\r\n\r\n");
}

TEST_F(ReportLogTest, ProblemsWithAMessageLeaveTheLogAsItWas) {
    // Each case arranges a directory and returns where the log is to be kept.
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path&)> arrange;
        const char* message;
        std::function<void(const fs::path&)> verify;
    } cases[] = {
        {"log directory is a regular file",
         [](const fs::path& d) {
             WriteFile(d / "plain", "not a directory");
             return d / "plain";
         },
         "Cannot CREATE METAR.LOG.",
         [](const fs::path& d) { EXPECT_EQ(ReadFile(d / "plain"), "not a directory"); }},
        {"log is a non-empty directory",
         [](const fs::path& d) {
             fs::create_directories(d / "METAR.LOG" / "keep");
             return d;
         },
         "Cannot CREATE METAR.LOG.",
         [](const fs::path& d) {
             EXPECT_TRUE(fs::exists(d / "METAR.LOG" / "keep"));
             EXPECT_FALSE(fs::exists(d / "METAR.TMP"));
         }},
        {"temporary file is a directory",
         [](const fs::path& d) {
             WriteFile(d / "METAR.LOG", "old\r\n");
             fs::create_directory(d / "METAR.TMP");
             return d;
         },
         "Cannot CREATE METAR.TMP.",
         [](const fs::path& d) { EXPECT_EQ(ReadFile(d / "METAR.LOG"), "old\r\n"); }},
    };
    for (const auto& c : cases) {
        testing::TempDir d;
        messages.texts.clear();
        ReportLog(c.arrange(d.Path()), messages).Append(First);
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.message}) << c.what;
        c.verify(d.Path());
    }
}

TEST_F(ReportLogTest, FailedRenameShowsTheReasonAndKeepsBothFiles) {
    WriteFile(LogPath(), "old\r\n\r\n");
    const auto refuse = [](const fs::path&, const fs::path&) {
        return std::make_error_code(std::errc::device_or_resource_busy);
    };
    ReportLog(dir.Path(), messages, refuse).Append(Second);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Cannot replace METAR.LOG with METAR.TMP; both files were left "
              "as they are: " +
                  std::make_error_code(std::errc::device_or_resource_busy).message());
    EXPECT_EQ(ReadFile(LogPath()), "old\r\n\r\n");
    EXPECT_EQ(ReadFile(TmpPath()), "old\r\n\r\nKARB report\r\n\r\n");
}

TEST_F(ReportLogTest, RemovedCurrentDirectoryCannotBeAssigned) {
    const fs::path before = fs::current_path();
    {
        testing::TempDir gone;
        fs::current_path(gone.Path());
        fs::remove(gone.Path());
        ReportLog(".", messages).Append(First);
        fs::current_path(before);
    }
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Cannot ASSIGN METAR.LOG."});
}

TEST_F(ReportLogTest, ReadAndWriteFailuresThrowNamingTheFile) {
    struct Case {
        const char* what;
        const char* target;
        const char* link;
        const char* message;
    } cases[] = {
        {"unwritable temporary file", "/dev/full", "METAR.TMP",
         "Cannot write METAR.TMP: No space left on device"},
        {"unreadable log", "/proc/self/mem", "METAR.LOG",
         "Cannot read METAR.LOG: Input/output error"},
    };
    for (const auto& c : cases) {
        if (!fs::exists(c.target)) {
            ADD_FAILURE() << c.target << " is missing on this machine";
            continue;
        }
        testing::TempDir d;
        WriteFile(d.Path() / "METAR.LOG", "old\r\n");
        if (std::string(c.link) == "METAR.LOG")
            fs::remove(d.Path() / "METAR.LOG");
        fs::create_symlink(c.target, d.Path() / c.link);
        try {
            ReportLog(d.Path(), messages).Append(First);
            ADD_FAILURE() << "no error for " << c.what;
        } catch (const ELogFileError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.what;
        }
        if (std::string(c.link) == "METAR.TMP") {
            EXPECT_EQ(ReadFile(d.Path() / "METAR.LOG"), "old\r\n") << c.what;
        }
    }
    EXPECT_TRUE(messages.texts.empty());
}

} // namespace
} // namespace stormbell
