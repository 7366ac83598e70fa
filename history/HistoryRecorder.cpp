#include "history/HistoryRecorder.h"

#include <utility>

#include "history/ReadingFromReport.h"

namespace stormbell {

namespace {

constexpr const char* kNoFolder = "no data folder is known (neither XDG_DATA_HOME nor HOME is set)";
constexpr const char* kUnplaced = "its report names no station or observation time";

} // namespace

HistoryRecorder::HistoryRecorder(std::optional<std::filesystem::path> file)
    : file_(std::move(file)) {}

HistoryRecorder::~HistoryRecorder() = default;

HistoryStore& HistoryRecorder::Store(RecordResult& result) {
    if (!store_) {
        if (!file_)
            throw EHistoryError(kNoFolder, false);
        store_ = std::make_unique<HistoryStore>(*file_);
        if (!store_->SetAsideNotice().empty())
            result.Notice = store_->SetAsideNotice();
    }
    return *store_;
}

void HistoryRecorder::Keep(const HistoryReading& reading, RecordResult& result) {
    try {
        Store(result).Add(reading);
    } catch (const EHistoryError& failure) {
        // A store found damaged only now is set aside and the reading goes to a new one; any
        // other failure is told, and the next reading opens the file afresh.
        store_.reset();
        if (!failure.Damaged() || !file_)
            throw;
        const auto aside = SetHistoryAside(*file_);
        result.Notice = "The history " + file_->string() + " was damaged and was set aside as " +
                        aside.string() + "; a new history begins.";
        Store(result).Add(reading);
    }
}

RecordResult HistoryRecorder::Record(const std::vector<std::string>& reportLines,
                                     std::chrono::sys_seconds received, bool keep) {
    RecordResult result;
    const auto reading = ReadingFromReport(reportLines, received);
    if (!reading) {
        if (keep)
            result.Problem = kUnplaced;
        return result;
    }
    result.Trend = TrendOf(*reading, {});
    if (!keep)
        return result;
    try {
        Keep(*reading, result);
        result.Stored = true;
        if (!result.Trend)
            result.Trend = TrendOf(*reading, store_->Readings(TrendQuery(*reading)));
    } catch (const EHistoryError& failure) {
        store_.reset();
        if (!result.Stored)
            result.Problem = failure.what();
    }
    return result;
}

} // namespace stormbell
