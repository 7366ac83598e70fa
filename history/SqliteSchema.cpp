// The SQLite history's schema: one migration step per version, run under the write lock, and
// a file from a newer program or of another kind refused and left as it is.
#include "history/SqliteConnection.h"

#include <array>
#include <string_view>

namespace stormbell {

namespace {

// One step per schema version: step i brings user_version i to i + 1. A later version of the
// program adds a step; a file from a newer program is refused rather than misread.
constexpr std::array<std::string_view, 2> kMigrations = {
    R"(CREATE TABLE readings(
           station TEXT NOT NULL,
           observed INTEGER NOT NULL,
           received INTEGER NOT NULL,
           temperature_c REAL,
           dew_point_c REAL,
           relative_humidity INTEGER,
           pressure_hpa REAL,
           wind_direction INTEGER,
           wind_variable INTEGER NOT NULL DEFAULT 0,
           wind_speed_kt INTEGER,
           wind_gust_kt INTEGER,
           visibility TEXT,
           sky TEXT,
           weather TEXT,
           tendency_hpa REAL,
           report TEXT NOT NULL,
           PRIMARY KEY (station, observed)
       ) WITHOUT ROWID;)",
    // The alerts given, so that none is given twice for one observation, across restarts.
    R"(CREATE TABLE alerts(
           station TEXT NOT NULL,
           observed INTEGER NOT NULL,
           PRIMARY KEY (station, observed)
       ) WITHOUT ROWID;)",
};
constexpr int kSchemaVersion = static_cast<int>(kMigrations.size());

} // namespace

int HistoryStore::Connection::SchemaVersion() const {
    Statement version(*this, "PRAGMA user_version", "could not be read");
    version.Step();
    return static_cast<int>(version.Integer(0));
}

// A version below zero is no history of ours; one above the current is a newer program's.
// Either is refused and left as it is, never migrated.
void HistoryStore::Connection::CheckSchema(int version) const {
    if (version < 0 || version > kSchemaVersion)
        throw EHistoryError("The history " + file.string() +
                                (version > kSchemaVersion
                                     ? " was written by a newer Stormbell (schema "
                                     : " has a schema this Stormbell does not know (schema ") +
                                std::to_string(version) + "); it is left as it is",
                            false);
}

void HistoryStore::Connection::Migrate() {
    const int seen = SchemaVersion();
    CheckSchema(seen);
    if (seen == kSchemaVersion)
        return;
    Transaction transaction(*this);
    // Read again under the lock: another program may have migrated meanwhile.
    const int version = SchemaVersion();
    CheckSchema(version);
    for (int step = version; step < kSchemaVersion; ++step)
        Execute(std::string(kMigrations[static_cast<std::size_t>(step)]).c_str(),
                "could not be brought to the current schema");
    Execute(("PRAGMA user_version=" + std::to_string(kSchemaVersion)).c_str(),
            "could not be brought to the current schema");
    transaction.Commit();
}

} // namespace stormbell
