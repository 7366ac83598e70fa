#include "history/LogImport.h"

#include <limits>
#include <string>
#include <vector>

#include "history/ReadingFromReport.h"
#include "observation/ReportLines.h"

namespace stormbell {

namespace {

class Batch {
public:
    Batch(HistoryStore& store, ImportCounts& counts) : store_(store), counts_(counts) {}

    void Add(HistoryReading reading) {
        readings_.push_back(std::move(reading));
        if (readings_.size() >= kImportBatch)
            Store();
    }
    void Store() {
        if (readings_.empty())
            return;
        std::size_t added = 0;
        try {
            added = store_.AddAll(readings_);
        } catch (const EHistoryError& failure) {
            throw EImportFailed(failure, counts_);
        }
        counts_.Added += added;
        counts_.Duplicates += readings_.size() - added;
        readings_.clear();
    }

private:
    HistoryStore& store_;
    ImportCounts& counts_;
    std::vector<HistoryReading> readings_;
};

// Reads one line of at most kMaxLogLine characters into `line`; a longer one is read past
// without being kept, and `tooLong` says so. False at the end of the log.
bool ReadBoundedLine(std::istream& log, std::string& line, bool& tooLong) {
    line.resize(kMaxLogLine + 1);
    log.getline(line.data(), static_cast<std::streamsize>(line.size()));
    const auto count = static_cast<std::size_t>(log.gcount());
    tooLong = log.fail() && !log.eof() && count == kMaxLogLine;
    if (tooLong) {
        log.clear();
        log.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        line.clear();
        return true;
    }
    if (count == 0 && !log)
        return false;
    // gcount counts the line feed that getline took but did not store.
    line.resize(log.eof() ? count : count - 1);
    return true;
}

} // namespace

ImportCounts ImportLog(std::istream& log, HistoryStore& store, std::chrono::sys_seconds received,
                       std::stop_token stop) {
    ImportCounts counts;
    Batch batch(store, counts);
    std::vector<std::string> lines;
    std::size_t bytes = 0;
    bool oversized = false;
    const auto endEntry = [&] {
        if (oversized)
            ++counts.Skipped;
        else if (!lines.empty()) {
            auto reading = ReadingFromReport(lines, received);
            if (reading && PlausibleObservation(reading->Observed, received))
                batch.Add(std::move(*reading));
            else
                ++counts.Skipped;
        }
        lines.clear();
        bytes = 0;
        oversized = false;
    };
    std::string line;
    bool tooLong = false;
    while (!counts.Stopped && ReadBoundedLine(log, line, tooLong)) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (line.empty() && !tooLong) {
            endEntry();
            counts.Stopped = stop.stop_requested();
            continue;
        }
        // A damaged log may run on without an empty line: such an entry is dropped as it comes,
        // so memory stays bounded.
        bytes += line.size();
        if (tooLong || bytes > kMaxReportBytes) {
            oversized = true;
            lines.clear();
        }
        if (!oversized)
            lines.push_back(line);
    }
    if (!counts.Stopped)
        endEntry();
    batch.Store();
    return counts;
}

} // namespace stormbell
