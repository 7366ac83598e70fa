// Figures for the reading history: the time to store one reading, the size of a store of 100,000
// readings and the time to open and draw its 30-day graph, and the time and peak memory of
// importing a 100 MB report log. Prints figures; never fails on them.
#include <QApplication>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/resource.h>

#include "history/HistoryStore.h"
#include "history/LogImport.h"
#include "history/ReadingFromReport.h"
#include "history/qt/HistoryChart.h"
#include "observation/ReportLines.h"
#include "platform/Clock.h"

namespace {

namespace fs = std::filesystem;
using namespace stormbell;
using Clock = std::chrono::steady_clock;

constexpr int kSingleAdds = 1000;
constexpr long kManyReadings = 100000;
constexpr long long kBigLogBytes = 100LL * 1024 * 1024;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

long PeakKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::uintmax_t StoreBytes(const fs::path& file) {
    std::uintmax_t total = 0;
    for (const char* suffix : {"", "-wal", "-shm"}) {
        std::error_code missing;
        const auto size = fs::file_size(file.string() + suffix, missing);
        total += missing ? 0 : size;
    }
    return total;
}

// The sample report with its station and hour changed: the time line is "... / YYYY.MM.DD HHMM
// UTC".
std::vector<std::string> ReportAt(const std::vector<std::string>& sample,
                                  std::chrono::sys_seconds at) {
    using namespace std::chrono;
    auto lines = sample;
    const auto day = floor<days>(at);
    const year_month_day date(day);
    const hh_mm_ss time(at - day);
    char text[64];
    std::snprintf(text, sizeof text, " / %04d.%02u.%02u %02d%02d UTC",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()));
    lines[1] = lines[1].substr(0, lines[1].rfind(" / ")) + text;
    return lines;
}

std::chrono::sys_seconds HoursAgo(long hours) {
    return std::chrono::floor<std::chrono::hours>(SystemClock().Now()) - std::chrono::hours(hours);
}

void StoreOneReading(const fs::path& folder, const std::vector<std::string>& sample) {
    HistoryStore store(folder / "single.sqlite3");
    std::vector<double> times;
    for (int i = 0; i < kSingleAdds; ++i) {
        const auto reading = *ReadingFromReport(ReportAt(sample, HoursAgo(i)), HoursAgo(0));
        const auto start = Clock::now();
        store.Add(reading);
        times.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    std::printf("store one reading: median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms "
                "(%d readings, each its own transaction)\n",
                times[times.size() / 2], times[times.size() * 99 / 100], times.back(), kSingleAdds);
}

void ManyReadings(const fs::path& folder, const std::vector<std::string>& sample) {
    const fs::path file = folder / "many.sqlite3";
    {
        HistoryStore store(file);
        std::vector<HistoryReading> batch;
        // Oldest first, as a gauge adds them.
        for (long hour = kManyReadings - 1; hour >= 0; --hour) {
            batch.push_back(*ReadingFromReport(ReportAt(sample, HoursAgo(hour)), HoursAgo(hour)));
            if (batch.size() == kImportBatch || hour == 0) {
                store.AddAll(batch);
                batch.clear();
            }
        }
    }
    std::printf("store of %ld hourly readings: %.1f MB\n", kManyReadings,
                static_cast<double>(StoreBytes(file)) / 1e6);
    const auto start = Clock::now();
    HistoryStore store(file, WhenDamaged::Refuse);
    const auto to = HoursAgo(0);
    auto readings = store.Readings({"KARB", to - std::chrono::hours(720), to});
    const std::size_t count = readings.size();
    const auto read = Clock::now();
    const SystemClock clock;
    HistoryChart chart(clock);
    chart.resize(760, 560);
    chart.Show(std::move(readings), {to - std::chrono::hours(720), to, false, 1013.0});
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&image);
    const auto drawn = Clock::now();
    std::printf("30-day graph of that store: opened and read (%zu readings) in %.1f ms, drawn in "
                "%.1f ms, %.1f ms in all\n",
                count, Milliseconds(read - start), Milliseconds(drawn - read),
                Milliseconds(drawn - start));
}

void ImportBigLog(const fs::path& folder, const std::vector<std::string>& sample) {
    const fs::path log = folder / "METAR.LOG";
    long reports = 0;
    {
        std::ofstream out(log, std::ios::binary);
        for (long long written = 0; written < kBigLogBytes; ++reports) {
            std::string entry;
            for (const auto& line : ReportAt(sample, HoursAgo(reports)))
                entry += line + "\r\n";
            entry += "\r\n";
            out << entry;
            written += static_cast<long long>(entry.size());
        }
    }
    const long before = PeakKib();
    const auto start = Clock::now();
    std::ifstream in(log, std::ios::binary);
    HistoryStore store(folder / "imported.sqlite3");
    const ImportCounts counts = ImportLog(in, store, HoursAgo(0));
    std::printf("import of a %.0f MB log (%ld reports): %.1f s, %zu added; peak memory %ld KiB "
                "before, %ld KiB after\n",
                static_cast<double>(fs::file_size(log)) / 1e6, reports,
                Milliseconds(Clock::now() - start) / 1000, counts.Added, before, PeakKib());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string pattern = (fs::temp_directory_path() / "stormbell-history-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return 1;
    const fs::path folder = pattern;
    std::ifstream in(STORMBELL_SAMPLE_REPORT, std::ios::binary);
    const auto sample = SplitReportLines(std::string(std::istreambuf_iterator<char>(in), {}));
    ImportBigLog(folder, sample);
    StoreOneReading(folder, sample);
    ManyReadings(folder, sample);
    fs::remove_all(folder);
    return 0;
}
