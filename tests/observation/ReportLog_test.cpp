#include "observation/ReportLog.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "tests/observation/Fakes.h"
#include "tests/support/SmallFilesystem.h"
#include "tests/support/TempDir.h"

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
    // A line end split across two read blocks is still one line end.
    const std::string block(65535, 'x');
    const struct {
        std::string old, copied;
    } cases[] = {
        {"old one\nold two\rold three", "old one\r\nold two\r\nold three\r\n"},
        {"a\n\rb\r\n\r\n", "a\r\n\r\nb\r\n\r\n"},
        {block + "\r\ntail", block + "\r\ntail\r\n"},
        {block + "\n\n", block + "\r\n\r\n"},
    };
    for (const auto& c : cases) {
        WriteFile(LogPath(), c.old);
        ReportLog(dir.Path(), messages).Append(Second);
        EXPECT_EQ(ReadFile(LogPath()), c.copied + "KARB report\r\n\r\n") << c.old.size();
    }
}

TEST_F(ReportLogTest, KeepsThePermissionsOfTheLog) {
#ifdef _WIN32
    GTEST_SKIP() << "permission bits are POSIX; on Windows a new file takes its folder's rules";
#endif
    WriteFile(LogPath(), "old\r\n");
    fs::permissions(LogPath(), fs::perms::owner_read | fs::perms::owner_write);
    ReportLog(dir.Path(), messages).Append(Second);
    EXPECT_EQ(fs::status(LogPath()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// An old log that fills most of a small disk, so its copy cannot fit beside it.
std::string Big() {
    return std::string(40000, 'x') + "\r\n";
}

enum class Plant { Fifo, SymLink, HardLink };

// An old log and a file "target", with a FIFO or a link to the target planted under `name`.
std::function<fs::path(const fs::path&)> Planted(const char* name, Plant plant) {
    return [=](const fs::path& d) {
        if (std::string(name) != "METAR.LOG")
            WriteFile(d / "METAR.LOG", "old\r\n");
        WriteFile(d / "target", "keep");
#ifndef _WIN32
        if (plant == Plant::Fifo)
            EXPECT_EQ(::mkfifo((d / name).c_str(), 0600), 0);
        else
#endif
            if (plant == Plant::SymLink)
            fs::create_symlink(d / "target", d / name);
        else
            fs::create_hard_link(d / "target", d / name);
        return d;
    };
}

// Nothing planted was followed, replaced or removed, and the log is as it was.
void Untouched(const fs::path& d) {
    EXPECT_EQ(ReadFile(d / "target"), "keep");
    if (!fs::is_symlink(d / "METAR.LOG") && !fs::is_fifo(d / "METAR.LOG")) {
        EXPECT_EQ(ReadFile(d / "METAR.LOG"), "old\r\n");
    }
}

// FIFOs and links planted where the log works are neither followed nor waited for.
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
        {"temporary file has another name", Planted("METAR.TMP", Plant::HardLink),
         "Cannot CREATE METAR.TMP.", Untouched},
#ifndef _WIN32
        {"log is a FIFO", Planted("METAR.LOG", Plant::Fifo), "Cannot CREATE METAR.LOG.", Untouched},
        {"log is a link", Planted("METAR.LOG", Plant::SymLink), "Cannot CREATE METAR.LOG.",
         Untouched},
        {"temporary file is a FIFO", Planted("METAR.TMP", Plant::Fifo), "Cannot CREATE METAR.TMP.",
         Untouched},
        {"temporary file is a link", Planted("METAR.TMP", Plant::SymLink),
         "Cannot CREATE METAR.TMP.", Untouched},
        {"lock is a FIFO", Planted("METAR.LCK", Plant::Fifo), "Cannot LOCK METAR.LOG.", Untouched},
#endif
    };
#ifndef _WIN32
    // A planted FIFO must never block: the alarm ends the whole run instead of hanging it.
    ::alarm(30);
#endif
    for (const auto& c : cases) {
        testing::TempDir d;
        messages.texts.clear();
        ReportLog(c.arrange(d.Path()), messages).Append(First);
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.message}) << c.what;
        c.verify(d.Path());
    }
#ifndef _WIN32
    ::alarm(0);
#endif
}

// Another gauge holds the lock; the pause lets it go after `releaseAfter` tries, or throws.
class HolderPause final : public Pause {
public:
    HolderPause(const fs::path& lock, int releaseAfter, bool abort)
        : holder_(lock, OpenMode::ReadWrite), releaseAfter_(releaseAfter), abort_(abort) {
        EXPECT_EQ(holder_.TryLock(), LockResult::Held);
    }
    void Sleep(int milliseconds) override {
        waited += milliseconds;
        if (abort_)
            throw std::runtime_error("aborted");
        if (++tries == releaseAfter_)
            holder_.Close();
    }
    int waited = 0;
    int tries = 0;

private:
    NativeFile holder_;
    int releaseAfter_;
    bool abort_;
};

TEST_F(ReportLogTest, WaitsForAHeldLockABoundedTime) {
    const struct {
        const char* what;
        int releaseAfter;
        bool abort;
        int waited;
        std::vector<std::string> messages;
        std::string log;
    } cases[] = {
        {"released", 3, false, 3 * kLogLockPoll, {}, "old\r\nKARB report\r\n\r\n"},
        {"held", 0, false, kLogLockWait, {"Cannot LOCK METAR.LOG."}, "old\r\n"},
        {"aborted", 0, true, kLogLockPoll, {}, "old\r\n"},
    };
    for (const auto& c : cases) {
        WriteFile(LogPath(), "old\r\n");
        messages.texts.clear();
        HolderPause pause(dir.Path() / "METAR.LCK", c.releaseAfter, c.abort);
        try {
            ReportLog(dir.Path(), messages, pause).Append(Second);
            EXPECT_FALSE(c.abort) << c.what;
        } catch (const std::runtime_error&) {
            EXPECT_TRUE(c.abort) << c.what;
        }
        EXPECT_EQ(pause.waited, c.waited) << c.what;
        EXPECT_EQ(messages.texts, c.messages) << c.what;
        EXPECT_EQ(ReadFile(LogPath()), c.log) << c.what;
        EXPECT_FALSE(fs::exists(TmpPath())) << c.what;
    }
}

TEST_F(ReportLogTest, FailedRenameShowsTheReasonAndKeepsBothFiles) {
    WriteFile(LogPath(), "old\r\n\r\n");
    const auto refuse = [](const fs::path&, const fs::path&) {
        return std::make_error_code(std::errc::device_or_resource_busy);
    };
    ReportLog(dir.Path(), messages, SharedThreadPause(), refuse).Append(Second);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Cannot replace METAR.LOG with METAR.TMP; both files were left "
              "as they are: " +
                  std::make_error_code(std::errc::device_or_resource_busy).message());
    EXPECT_EQ(ReadFile(LogPath()), "old\r\n\r\n");
    EXPECT_EQ(ReadFile(TmpPath()), "old\r\n\r\nKARB report\r\n\r\n");
    // The next append starts METAR.TMP afresh instead of refusing the one left behind.
    ReportLog(dir.Path(), messages).Append(First);
    EXPECT_EQ(ReadFile(LogPath()), "old\r\n\r\nCYVR report\r\nWind: Calm:0\r\n\r\n");
    EXPECT_FALSE(fs::exists(TmpPath()));
}

TEST_F(ReportLogTest, RemovedCurrentDirectoryCannotBeAssigned) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows refuses to remove a process's current directory";
#endif
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

TEST_F(ReportLogTest, FullDiskThrowsAndLeavesNoHalfWrittenFile) {
    const struct {
        const char* what;
        std::function<void(const testing::SmallFilesystem&)> arrange;
    } cases[] = {
        {"first log", [](const auto& disk) { disk.Fill("filler"); }},
        {"rebuild", [](const auto& disk) { WriteFile(disk.Path() / "METAR.LOG", Big()); }},
    };
    for (const auto& c : cases) {
        testing::SmallFilesystem disk;
        if (!disk.Mounted())
            GTEST_SKIP() << disk.Reason();
        c.arrange(disk);
        const std::string before = ReadFile(disk.Path() / "METAR.LOG");
        try {
            ReportLog(disk.Path(), messages).Append(First);
            ADD_FAILURE() << "no error for " << c.what;
        } catch (const ELogFileError& error) {
            EXPECT_STREQ(error.what(), "Cannot write METAR.TMP: No space left on device");
        }
        EXPECT_EQ(ReadFile(disk.Path() / "METAR.LOG"), before) << c.what;
        EXPECT_FALSE(fs::exists(disk.Path() / "METAR.TMP")) << c.what;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ReportLogTest, ProcessesSharingAFolderKeepEveryReport) {
#ifdef _WIN32
    GTEST_SKIP() << "needs fork; a second holder of the lock is tested on every system above";
#else
    constexpr int kWriters = 3, kReports = 20;
    WriteFile(LogPath(), "old\r\n\r\n");
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            testing::RecordingMessages own;
            ReportLog log(dir.Path(), own);
            for (int r = 0; r < kReports; ++r)
                log.Append({"writer " + std::to_string(w) + " report " + std::to_string(r)});
            ::_exit(own.texts.empty() ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string log = ReadFile(LogPath());
    EXPECT_EQ(log.rfind("old\r\n\r\n", 0), 0u);
    int missing = 0;
    for (int w = 0; w < kWriters; ++w)
        for (int r = 0; r < kReports; ++r)
            missing += log.find("writer " + std::to_string(w) + " report " + std::to_string(r) +
                                "\r\n\r\n") == std::string::npos;
    EXPECT_EQ(missing, 0);
    std::size_t entries = 0;
    for (auto at = log.find("writer "); at != std::string::npos; at = log.find("writer ", at + 1))
        ++entries;
    EXPECT_EQ(entries, std::size_t{kWriters * kReports});
#endif
}

} // namespace
} // namespace stormbell
