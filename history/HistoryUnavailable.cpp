// HistoryStore in a build without SQLite (the Windows cross-build): every open is refused with
// the reason, so the gauge says the history is unavailable and goes on.
#include "history/HistoryStore.h"

namespace stormbell {

struct HistoryStore::Connection {};

bool HistoryStore::Available() {
    return false;
}

HistoryStore::HistoryStore(const std::filesystem::path& file, WhenDamaged, std::stop_token)
    : file_(file) {
    throw EHistoryError("This build keeps no history (built without SQLite): " + file.string(),
                        false);
}

HistoryStore::~HistoryStore() = default;

bool HistoryStore::Add(const HistoryReading&) {
    return false;
}

std::size_t HistoryStore::AddAll(const std::vector<HistoryReading>&) {
    return 0;
}

void HistoryStore::ForEach(const HistoryQuery&,
                           const std::function<void(const HistoryReading&)>&) const {}

std::vector<HistoryReading> HistoryStore::Readings(const HistoryQuery&) const {
    return {};
}

std::vector<std::string> HistoryStore::Stations() const {
    return {};
}

bool HistoryStore::Holds(const std::string&, std::chrono::sys_seconds) const {
    return false;
}

bool HistoryStore::NoteAlert(const std::string&, std::chrono::sys_seconds) {
    return true;
}

std::size_t HistoryStore::ForEachReadable(const std::function<void(const HistoryReading&)>&) const {
    return 0;
}

long long HistoryStore::Count() const {
    return 0;
}

} // namespace stormbell
