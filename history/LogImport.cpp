#include "history/LogImport.h"

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
        const std::size_t added = store_.AddAll(readings_);
        counts_.Added += added;
        counts_.Duplicates += readings_.size() - added;
        readings_.clear();
    }

private:
    HistoryStore& store_;
    ImportCounts& counts_;
    std::vector<HistoryReading> readings_;
};

} // namespace

ImportCounts ImportLog(std::istream& log, HistoryStore& store, std::chrono::sys_seconds received) {
    ImportCounts counts;
    Batch batch(store, counts);
    std::vector<std::string> lines;
    std::size_t bytes = 0;
    bool oversized = false;
    const auto endEntry = [&] {
        if (oversized)
            ++counts.Skipped;
        else if (!lines.empty()) {
            if (auto reading = ReadingFromReport(lines, received))
                batch.Add(std::move(*reading));
            else
                ++counts.Skipped;
        }
        lines.clear();
        bytes = 0;
        oversized = false;
    };
    std::string line;
    while (std::getline(log, line)) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (line.empty()) {
            endEntry();
            continue;
        }
        // A damaged log may run on without an empty line: such an entry is dropped as it comes,
        // so memory stays bounded.
        bytes += line.size();
        if (bytes > kMaxReportBytes) {
            oversized = true;
            lines.clear();
        }
        if (!oversized)
            lines.push_back(line);
    }
    endEntry();
    batch.Store();
    return counts;
}

} // namespace stormbell
