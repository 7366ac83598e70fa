// The SQLite history's connection: the file opened as a URI for writing, reading or as
// unchanging, a wait for another program's lock, and failures worded with what was damaged.
#include "history/SqliteConnection.h"

#include <chrono>
#include <cstdio>

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kBusyStep{20};

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// The file name as a URI, so that options can follow it; "%", "?" and "#" would be read as
// the URI's own.
std::string FileUri(const fs::path& file, const char* options) {
    std::string uri = "file:";
    for (const char c : file.string()) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    return uri + "?" + options;
}

} // namespace

void HistoryStore::Connection::Fail(const std::string& what, int code) const {
    lastCode = code;
    const char* detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw EHistoryError("The history " + file.string() + " " + what + " (" + detail + ")",
                        IsDamage(code));
}

int HistoryStore::Connection::WaitWhileBusy(void* self, int tries) {
    const auto* connection = static_cast<const Connection*>(self);
    if (connection->stop.stop_requested() || tries * kBusyStep >= kHistoryBusyWait)
        return 0;
    sqlite3_sleep(static_cast<int>(kBusyStep.count()));
    return 1;
}

void HistoryStore::Connection::Open(Access access) {
    const int flags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_URI |
                      (access == Access::Write ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                               : SQLITE_OPEN_READONLY);
    // In a folder that cannot be written no reader can make the shared-memory file; there
    // nobody can write either, so the file is read as one that does not change.
    const std::string name =
        FileUri(file, access == Access::Unchanging ? "immutable=1" : "mode=rwc");
    const int code = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    if (code != SQLITE_OK)
        Fail("could not be opened", code);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_handler(db, &Connection::WaitWhileBusy, this);
    // The first read of the file: a file that is no database fails here.
    const auto journalMode = [this] {
        Statement mode(*this, "PRAGMA journal_mode", "could not be read");
        mode.Step();
        return mode.Text(0);
    };
    const bool wal = journalMode() == "wal";
    if (access != Access::Write || sqlite3_db_readonly(db, "main") == 1) {
        CheckSchema(SchemaVersion());
        return;
    }
    if (!wal)
        Execute("PRAGMA journal_mode=WAL", "could not be switched to write-ahead logging");
    // With write-ahead logging, NORMAL keeps every commit through a crash of the program;
    // only a power loss may take the last ones, never the file's soundness.
    Execute("PRAGMA synchronous=NORMAL", "could not be set up");
    Migrate();
}

} // namespace stormbell
