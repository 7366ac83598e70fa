#include "tools/cli/ReportFile.h"

#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include "observation/ReportLines.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

std::string ErrorOf(const std::string& name) {
    try {
        ReadReportFile(name);
    } catch (const EReportFileError& error) {
        return error.what();
    }
    return "";
}

TEST(ReportFileTest, RefusesWhatIsNoReportWithoutWaiting) {
    testing::TempDir dir;
    const std::string big = (dir.Path() / "big").string();
    testing::WriteFile(big, std::string(kMaxReportBytes + 1, '\n'));
    const std::string missing = (dir.Path() / "missing").string();
    struct Case {
        std::string name, error;
    };
    std::vector<Case> cases = {
        {dir.Path().string(), "Cannot read " + dir.Path().string() + ": Is a directory"},
        {missing, "Cannot open " + missing + ": No such file or directory"},
        {big, big + ": The report is larger than 1 MiB (1048577 bytes); it was not decoded"},
    };
#ifndef _WIN32
    // Windows has neither FIFOs in the file system nor an endless device.
    const std::string fifo = (dir.Path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    cases.push_back({fifo, "Cannot read " + fifo + ": not a regular file or character device"});
    cases.push_back(
        {"/dev/zero", "/dev/zero: The report is larger than 1 MiB; it was not decoded"});
#endif
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.name), c.error);
}

TEST(ReportFileTest, ReadsUpToTheLimit) {
    testing::TempDir dir;
    const std::string full = (dir.Path() / "full").string();
    testing::WriteFile(full, std::string(kMaxReportBytes, 'x'));
    EXPECT_EQ(ReadReportFile(full).size(), kMaxReportBytes);
    EXPECT_EQ(ReadReportFile(kNullDevice), "");

    std::istringstream atLimit(std::string(kMaxReportBytes, 'x'));
    EXPECT_EQ(ReadReportStream(atLimit, "standard input").size(), kMaxReportBytes);
    std::istringstream overLimit(std::string(kMaxReportBytes + 1, 'x'));
    EXPECT_THROW(ReadReportStream(overLimit, "standard input"), EReportFileError);
}

} // namespace
} // namespace stormbell
