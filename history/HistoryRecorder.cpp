#include "history/HistoryRecorder.h"

#include <utility>

#include "history/ReadingFromReport.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace {

// The recorder's own reasons; HistoryProblem finds them in the catalogues by their text.
constexpr const char* kNoFolder = STORMBELL_TEXT(
    "HistoryProblem", "no data folder is known (neither XDG_DATA_HOME nor HOME is set)");
constexpr const char* kUnplaced =
    STORMBELL_TEXT("HistoryProblem", "its report names no station or observation time");
constexpr const char* kImplausible = STORMBELL_TEXT(
    "HistoryProblem", "its observation time is before 1900 or more than a day ahead of the clock");
constexpr const char* kUnknownFailure =
    STORMBELL_TEXT("HistoryProblem", "an unexpected failure without a description");

bool Exists(const std::filesystem::path& file) {
    std::error_code ignored;
    return std::filesystem::symlink_status(file, ignored).type() !=
           std::filesystem::file_type::not_found;
}

} // namespace

HistoryRecorder::HistoryRecorder(std::optional<std::filesystem::path> file, std::stop_token stop)
    : file_(std::move(file)), stop_(std::move(stop)) {}

HistoryRecorder::~HistoryRecorder() = default;

HistoryStore& HistoryRecorder::Store(std::optional<HistoryAside>& aside) {
    if (!store_) {
        if (!file_)
            throw EHistoryError(kNoFolder, false);
        store_ = std::make_unique<HistoryStore>(*file_, WhenDamaged::SetAside, stop_);
        if (store_->Aside())
            aside = store_->Aside();
    }
    return *store_;
}

// Runs `use` on the store. A store found damaged only now is set aside, as one found on open,
// and `use` runs once more on the new one; after any other failure the next use opens the file
// afresh.
template <typename Use>
auto HistoryRecorder::WithStore(std::optional<HistoryAside>& aside, Use use) {
    try {
        return use(Store(aside));
    } catch (const EHistoryError& failure) {
        const auto identity = store_ ? store_->Identity() : std::nullopt;
        store_.reset();
        if (!failure.Damaged() || !file_)
            throw;
        aside = SetHistoryAside(*file_, identity);
    }
    return use(Store(aside));
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
    result.Reading = ReadingKey{reading->Station, reading->Observed};
    result.Trend = TrendOf(*reading, {});
    if (!keep)
        return result;
    if (!PlausibleObservation(reading->Observed, received)) {
        result.Problem = kImplausible;
        return result;
    }
    try {
        WithStore(result.Aside, [&](HistoryStore& store) { return store.Add(*reading); });
        result.Stored = true;
        if (!result.Trend)
            result.Trend = TrendOf(*reading, WithStore(result.Aside, [&](HistoryStore& store) {
                return store.Readings(TrendQuery(*reading));
            }));
    } catch (const std::exception& failure) {
        if (!result.Stored)
            result.Problem = failure.what();
    } catch (...) {
        if (!result.Stored)
            result.Problem = kUnknownFailure;
    }
    return result;
}

HistoryRead HistoryRecorder::Read(const HistoryQuery& query) {
    HistoryRead read{query, {}, {}, {}};
    try {
        // Reading makes nothing: a missing store simply holds nothing yet.
        if (!store_ && file_ && !Exists(*file_))
            return read;
        read.Readings =
            WithStore(read.Aside, [&](HistoryStore& store) { return store.Readings(query); });
    } catch (const std::exception& failure) {
        read.Problem = failure.what();
    } catch (...) {
        read.Problem = kUnknownFailure;
    }
    return read;
}

HistoryStations HistoryRecorder::Stations() {
    HistoryStations held;
    try {
        if (!store_ && file_ && !Exists(*file_))
            return held;
        held.Stations = WithStore(held.Aside, [](HistoryStore& store) { return store.Stations(); });
    } catch (const std::exception& failure) {
        held.Problem = failure.what();
    } catch (...) {
        held.Problem = kUnknownFailure;
    }
    return held;
}

ImportCounts HistoryRecorder::Import(std::istream& log, std::chrono::sys_seconds received,
                                     std::stop_token stop) {
    std::optional<HistoryAside> aside;
    try {
        return ImportLog(log, Store(aside), received, std::move(stop));
    } catch (const EHistoryError& failure) {
        const auto identity = store_ ? store_->Identity() : std::nullopt;
        store_.reset();
        if (!failure.Damaged() || !file_)
            throw;
        // The log cannot be read again from its start: the import ends, told where the store went.
        throw EImportSetAside(failure, SetHistoryAside(*file_, identity));
    }
}

AlertClaim HistoryRecorder::ClaimAlert(const ReadingKey& reading) {
    AlertClaim claim{reading, true, {}};
    std::optional<HistoryAside> aside;
    try {
        claim.First = WithStore(aside, [&](HistoryStore& store) {
            return store.NoteAlert(reading.Station, reading.Observed);
        });
    } catch (const std::exception& failure) {
        claim.Problem = failure.what();
    } catch (...) {
        claim.Problem = kUnknownFailure;
    }
    return claim;
}

} // namespace stormbell
