// The SQLite history's alert claims: an alert given for a station's observation is noted once,
// so no other gauge or restart gives it again.
#include "history/SqliteConnection.h"

namespace stormbell {

using std::chrono::sys_seconds;

bool HistoryStore::NoteAlert(const std::string& station, sys_seconds observed) {
    RefuseWhenReadOnly(readOnly_, file_);
    Connection::Statement insert(*connection_,
                                 "INSERT OR IGNORE INTO alerts (station, observed) VALUES (?1, ?2)",
                                 "could not be written");
    insert.Bind(1, station);
    insert.Bind(2, static_cast<long long>(observed.time_since_epoch().count()));
    insert.Step();
    return sqlite3_changes(connection_->db) > 0;
}

} // namespace stormbell
