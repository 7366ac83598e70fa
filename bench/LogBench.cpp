// Figures for the report log: appends lost when several processes log into one folder, the time
// and peak memory of one append to a 100 MB log, and the time to give up on a lock another
// holds. Prints figures; never fails on them.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "observation/ReportLog.h"

namespace {

namespace fs = std::filesystem;
using stormbell::ReportLog;

constexpr int kOldEntries = 50;
constexpr int kAppendsPerWriter = 50;
constexpr long long kBigLogBytes = 100LL * 1024 * 1024;

class Quiet final : public stormbell::MessageSink {
public:
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

fs::path MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "stormbell-log-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::exit(1);
    return pattern;
}

std::string Entry(const std::string& who, int number) {
    return who + " report " + std::to_string(number);
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ConcurrentWriters(int writers) {
    const fs::path folder = MakeFolder();
    {
        std::ofstream old(folder / "METAR.LOG", std::ios::binary);
        for (int i = 0; i < kOldEntries; ++i)
            old << Entry("old", i) << "\r\n\r\n";
    }
    std::vector<pid_t> children;
    std::fflush(stdout); // or every child prints what is buffered again
    for (int w = 0; w < writers; ++w) {
        const pid_t child = ::fork();
        if (child == 0) {
            Quiet quiet;
            ReportLog log(folder, quiet);
            for (int r = 0; r < kAppendsPerWriter; ++r)
                log.Append({Entry("writer " + std::to_string(w), r)});
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children)
        ::waitpid(child, nullptr, 0);
    const std::string log = Slurp(folder / "METAR.LOG");
    int lost = 0, oldLost = 0;
    for (int w = 0; w < writers; ++w)
        for (int r = 0; r < kAppendsPerWriter; ++r)
            lost += log.find(Entry("writer " + std::to_string(w), r) + "\r\n") == std::string::npos;
    for (int i = 0; i < kOldEntries; ++i)
        oldLost += log.find(Entry("old", i) + "\r\n") == std::string::npos;
    std::printf("%d writers x %d appends: %d of %d new entries lost, %d of %d old entries lost\n",
                writers, kAppendsPerWriter, lost, writers * kAppendsPerWriter, oldLost,
                kOldEntries);
    fs::remove_all(folder);
}

void AppendToBigLog() {
    const fs::path folder = MakeFolder();
    {
        std::ofstream big(folder / "METAR.LOG", std::ios::binary);
        const std::string line = std::string(70, 'x') + "\r\n";
        for (long long written = 0; written < kBigLogBytes; written += line.size())
            big << line;
    }
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        Quiet quiet;
        const auto start = std::chrono::steady_clock::now();
        ReportLog(folder, quiet).Append({"one more report"});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("one append to a %lld MB log: %.3f s\n", kBigLogBytes >> 20, took.count());
        std::fflush(stdout);
        ::_exit(0);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    std::printf("peak resident memory of the appending process: %ld KiB\n", usage.ru_maxrss);
    fs::remove_all(folder);
}

void GiveUpOnAHeldLock() {
    const fs::path folder = MakeFolder();
    stormbell::NativeFile other(folder / "METAR.LCK", stormbell::OpenMode::ReadWrite);
    if (other.TryLock() != stormbell::LockResult::Held)
        std::exit(1);
    Quiet quiet;
    const auto start = std::chrono::steady_clock::now();
    ReportLog(folder, quiet).Append({"one more report"});
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("gave up on a lock another holds after %.3f s\n", took.count());
    other.Close();
    fs::remove_all(folder);
}

} // namespace

int main() {
    ConcurrentWriters(2);
    ConcurrentWriters(4);
    AppendToBigLog();
    GiveUpOnAHeldLock();
    return 0;
}
