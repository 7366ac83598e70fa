// HistoryStore on Debian's SQLite: the store opened for writing where it can, for reading where
// it cannot, and a damaged file set aside and started anew when the caller allows.
#include "history/SqliteConnection.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

// What a store that may be read but not written fails with on a write or on its first read.
bool IsReadOnly(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM;
}

} // namespace

bool HistoryStore::Available() {
    return true;
}

HistoryStore::HistoryStore(const fs::path& file, WhenDamaged whenDamaged, std::stop_token stop)
    : file_(file) {
    using Access = Connection::Access;
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error && !fs::is_directory(file.parent_path()))
        throw EHistoryError("The history's folder " + file.parent_path().string() +
                                " could not be created (" + error.message() + ")",
                            false);
    const auto connect = [&](Access access) {
        connection_ = std::make_unique<Connection>(file, stop);
        connection_->Open(access);
        identity_ = IdentityOf(file);
    };
    const auto connectForReading = [&] {
        readOnly_ = true;
        try {
            connect(Access::Read);
        } catch (const EHistoryError&) {
            connect(Access::Unchanging);
        }
    };
    if (whenDamaged == WhenDamaged::Inspect) {
        connectForReading();
        return;
    }
    for (bool retried = false;; retried = true) {
        int code = SQLITE_OK;
        try {
            connect(Access::Write);
            readOnly_ = sqlite3_db_readonly(connection_->db, "main") == 1;
            return;
        } catch (const EHistoryError& failure) {
            code = connection_->lastCode;
            connection_.reset();
            if (IsReadOnly(code) && fs::exists(file, error)) {
                // Kept for reading: what cannot be stored is told at the first store.
                connectForReading();
                return;
            }
            if (!failure.Damaged() || whenDamaged == WhenDamaged::Refuse || retried)
                throw;
        }
        aside_ = SetHistoryAside(file, IdentityOf(file));
    }
}

HistoryStore::~HistoryStore() = default;

void RefuseWhenReadOnly(bool readOnly, const fs::path& file) {
    if (readOnly)
        throw EHistoryError("The history " + file.string() +
                                " can be read but not written: nothing new can be stored",
                            false);
}

} // namespace stormbell
