// HistoryStore on Debian's SQLite.
#include "history/HistoryStore.h"

#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <limits>
#include <string_view>
#include <type_traits>
#include <utility>

namespace stormbell {

namespace fs = std::filesystem;
using std::chrono::seconds;
using std::chrono::sys_seconds;

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

constexpr const char* kColumns =
    "station, observed, received, temperature_c, dew_point_c, relative_humidity, pressure_hpa, "
    "wind_direction, wind_variable, wind_speed_kt, wind_gust_kt, visibility, sky, weather, "
    "tendency_hpa, report";

constexpr std::chrono::milliseconds kBusyStep{20};

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// What a store that may be read but not written fails with on a write or on its first read.
bool IsReadOnly(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM;
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

struct HistoryStore::Connection {
    Connection(fs::path path, std::stop_token stopToken)
        : file(std::move(path)), stop(std::move(stopToken)) {}
    ~Connection() { sqlite3_close_v2(db); }

    [[noreturn]] void Fail(const std::string& what, int code) const {
        lastCode = code;
        const char* detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
        throw EHistoryError("The history " + file.string() + " " + what + " (" + detail + ")",
                            IsDamage(code));
    }
    void Check(int code, const std::string& what) const {
        if (code != SQLITE_OK && code != SQLITE_DONE && code != SQLITE_ROW)
            Fail(what, code);
    }

    // A prepared statement, finalised with its scope.
    class Statement {
    public:
        Statement(const Connection& owner, const char* sql, const char* what)
            : owner_(owner), what_(what) {
            owner_.Check(sqlite3_prepare_v2(owner_.db, sql, -1, &statement_, nullptr), what_);
        }
        ~Statement() { sqlite3_finalize(statement_); }
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        /// True while there is a row.
        bool Step() {
            const int code = sqlite3_step(statement_);
            owner_.Check(code, what_);
            return code == SQLITE_ROW;
        }
        void Reset() {
            sqlite3_reset(statement_);
            sqlite3_clear_bindings(statement_);
        }
        void Bind(int at, const std::string& text) {
            sqlite3_bind_text(statement_, at, text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        }
        void Bind(int at, long long value) { sqlite3_bind_int64(statement_, at, value); }
        void Bind(int at, double value) { sqlite3_bind_double(statement_, at, value); }
        template <typename T> void Bind(int at, const std::optional<T>& value) {
            if (value)
                Bind(at, Widened(*value));
            else
                sqlite3_bind_null(statement_, at);
        }
        bool IsNull(int column) const {
            return sqlite3_column_type(statement_, column) == SQLITE_NULL;
        }
        long long Integer(int column) const { return sqlite3_column_int64(statement_, column); }
        double Real(int column) const { return sqlite3_column_double(statement_, column); }
        std::string Text(int column) const {
            const auto* text = sqlite3_column_text(statement_, column);
            return text == nullptr ? std::string()
                                   : std::string(reinterpret_cast<const char*>(text),
                                                 static_cast<std::size_t>(
                                                     sqlite3_column_bytes(statement_, column)));
        }
        template <typename T> std::optional<T> Optional(int column) const {
            if (IsNull(column))
                return std::nullopt;
            if constexpr (std::is_same_v<T, std::string>)
                return Text(column);
            else if constexpr (std::is_same_v<T, double>)
                return Real(column);
            else
                return static_cast<T>(Integer(column));
        }

    private:
        static long long Widened(int value) { return value; }
        static double Widened(double value) { return value; }
        static const std::string& Widened(const std::string& value) { return value; }

        const Connection& owner_;
        const char* what_;
        sqlite3_stmt* statement_ = nullptr;
    };

    void Execute(const char* sql, const char* what) const {
        Statement statement(*this, sql, what);
        while (statement.Step()) {
        }
    }

    // Ends the transaction it began: committed by Commit, else rolled back.
    class Transaction {
    public:
        explicit Transaction(const Connection& owner) : owner_(owner) {
            // IMMEDIATE takes the write lock at once, so a busy writer is waited for here and
            // not half-way through.
            owner_.Execute("BEGIN IMMEDIATE", "could not be locked for writing");
        }
        ~Transaction() {
            if (!done_)
                sqlite3_exec(owner_.db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        void Commit() {
            owner_.Execute("COMMIT", "could not be written");
            done_ = true;
        }

    private:
        const Connection& owner_;
        bool done_ = false;
    };

    // Waits for another program's lock in short steps, so that a stop is heeded at once.
    static int WaitWhileBusy(void* self, int tries) {
        const auto* connection = static_cast<const Connection*>(self);
        if (connection->stop.stop_requested() || tries * kBusyStep >= kHistoryBusyWait)
            return 0;
        sqlite3_sleep(static_cast<int>(kBusyStep.count()));
        return 1;
    }

    enum class Access { Write, Read, Unchanging };

    void Open(Access access) {
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

    int SchemaVersion() const {
        Statement version(*this, "PRAGMA user_version", "could not be read");
        version.Step();
        return static_cast<int>(version.Integer(0));
    }

    // A version below zero is no history of ours; one above the current is a newer program's.
    // Either is refused and left as it is, never migrated.
    void CheckSchema(int version) const {
        if (version < 0 || version > kSchemaVersion)
            throw EHistoryError("The history " + file.string() +
                                    (version > kSchemaVersion
                                         ? " was written by a newer Stormbell (schema "
                                         : " has a schema this Stormbell does not know (schema ") +
                                    std::to_string(version) + "); it is left as it is",
                                false);
    }

    void Migrate() {
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

    bool Insert(Statement& insert, const HistoryReading& reading) const {
        if (!PlausibleObservation(reading.Observed, reading.Received))
            throw EHistoryError("The history " + file.string() + " refused a reading of " +
                                    reading.Station + ": its observation time is before 1900 " +
                                    "or more than a day after it was received",
                                false);
        insert.Reset();
        insert.Bind(1, reading.Station);
        insert.Bind(2, static_cast<long long>(reading.Observed.time_since_epoch().count()));
        insert.Bind(3, static_cast<long long>(reading.Received.time_since_epoch().count()));
        insert.Bind(4, reading.TemperatureC);
        insert.Bind(5, reading.DewPointC);
        insert.Bind(6, reading.RelativeHumidity);
        insert.Bind(7, reading.PressureHpa);
        insert.Bind(8, reading.WindDirection);
        insert.Bind(9, static_cast<long long>(reading.WindVariable));
        insert.Bind(10, reading.WindSpeedKnots);
        insert.Bind(11, reading.WindGustKnots);
        insert.Bind(12, reading.Visibility);
        insert.Bind(13, reading.Sky);
        insert.Bind(14, reading.Weather);
        insert.Bind(15, reading.TendencyHpa);
        insert.Bind(16, reading.Report);
        insert.Step();
        return sqlite3_changes(db) > 0;
    }

    HistoryReading Row(const Statement& select) const {
        HistoryReading reading;
        reading.Station = select.Text(0);
        reading.Observed = sys_seconds(seconds(select.Integer(1)));
        reading.Received = sys_seconds(seconds(select.Integer(2)));
        reading.TemperatureC = select.Optional<double>(3);
        reading.DewPointC = select.Optional<double>(4);
        reading.RelativeHumidity = select.Optional<int>(5);
        reading.PressureHpa = select.Optional<double>(6);
        reading.WindDirection = select.Optional<int>(7);
        reading.WindVariable = select.Integer(8) != 0;
        reading.WindSpeedKnots = select.Optional<int>(9);
        reading.WindGustKnots = select.Optional<int>(10);
        reading.Visibility = select.Optional<std::string>(11);
        reading.Sky = select.Optional<std::string>(12);
        reading.Weather = select.Optional<std::string>(13);
        reading.TendencyHpa = select.Optional<double>(14);
        reading.Report = select.Text(15);
        return reading;
    }

    fs::path file;
    std::stop_token stop;
    sqlite3* db = nullptr;
    mutable int lastCode = SQLITE_OK;
};

namespace {

constexpr const char* kInsert =
    "INSERT OR IGNORE INTO readings (station, observed, received, temperature_c, dew_point_c, "
    "relative_humidity, pressure_hpa, wind_direction, wind_variable, wind_speed_kt, "
    "wind_gust_kt, visibility, sky, weather, tendency_hpa, report) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16)";

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

namespace {

void RefuseWhenReadOnly(bool readOnly, const fs::path& file) {
    if (readOnly)
        throw EHistoryError("The history " + file.string() +
                                " can be read but not written: nothing new can be stored",
                            false);
}

} // namespace

bool HistoryStore::Add(const HistoryReading& reading) {
    RefuseWhenReadOnly(readOnly_, file_);
    Connection::Transaction transaction(*connection_);
    Connection::Statement insert(*connection_, kInsert, "could not be written");
    const bool added = connection_->Insert(insert, reading);
    transaction.Commit();
    return added;
}

std::size_t HistoryStore::AddAll(const std::vector<HistoryReading>& readings) {
    RefuseWhenReadOnly(readOnly_, file_);
    Connection::Transaction transaction(*connection_);
    Connection::Statement insert(*connection_, kInsert, "could not be written");
    std::size_t added = 0;
    for (const auto& reading : readings)
        added += connection_->Insert(insert, reading) ? 1 : 0;
    transaction.Commit();
    return added;
}

void HistoryStore::ForEach(const HistoryQuery& query,
                           const std::function<void(const HistoryReading&)>& each) const {
    // A station is bound as such, never as "?1 IS NULL OR ...": only then is its key used.
    const std::string sql = std::string("SELECT ") + kColumns + " FROM readings WHERE " +
                            (query.Station ? "station = ?1" : "?1 IS NULL") +
                            " AND observed >= ?2 AND observed <= ?3 ORDER BY observed, station";
    Connection::Statement select(*connection_, sql.c_str(), "could not be read");
    select.Bind(1, query.Station);
    const auto bound = [](const std::optional<sys_seconds>& time, long long otherwise) {
        return time ? static_cast<long long>(time->time_since_epoch().count()) : otherwise;
    };
    select.Bind(2, bound(query.Since, std::numeric_limits<long long>::min()));
    select.Bind(3, bound(query.Until, std::numeric_limits<long long>::max()));
    while (select.Step())
        each(connection_->Row(select));
}

std::vector<HistoryReading> HistoryStore::Readings(const HistoryQuery& query) const {
    std::vector<HistoryReading> readings;
    ForEach(query, [&](const HistoryReading& reading) { readings.push_back(reading); });
    return readings;
}

std::vector<std::string> HistoryStore::Stations() const {
    // Each step seeks the next station in the key, so a year of readings is not scanned.
    Connection::Statement select(
        *connection_,
        "WITH RECURSIVE next(station) AS (SELECT min(station) FROM readings UNION ALL "
        "SELECT (SELECT min(station) FROM readings WHERE station > next.station) FROM next "
        "WHERE next.station IS NOT NULL) SELECT station FROM next WHERE station IS NOT NULL",
        "could not be read");
    std::vector<std::string> stations;
    while (select.Step())
        stations.push_back(select.Text(0));
    return stations;
}

bool HistoryStore::Holds(const std::string& station, sys_seconds observed) const {
    Connection::Statement select(*connection_,
                                 "SELECT 1 FROM readings WHERE station = ?1 AND observed = ?2",
                                 "could not be read");
    select.Bind(1, station);
    select.Bind(2, static_cast<long long>(observed.time_since_epoch().count()));
    return select.Step();
}

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

std::size_t
HistoryStore::ForEachReadable(const std::function<void(const HistoryReading&)>& each) const {
    // A damaged page ends a scan; the rows beyond it are reached by the scan from the other end.
    std::size_t given = 0;
    std::optional<std::pair<std::string, long long>> last;
    const auto scan = [&](const char* order, bool forward) {
        try {
            const std::string sql =
                std::string("SELECT ") + kColumns + " FROM readings ORDER BY " + order;
            Connection::Statement select(*connection_, sql.c_str(), "could not be read");
            while (select.Step()) {
                HistoryReading reading = connection_->Row(select);
                const std::pair key(
                    reading.Station,
                    static_cast<long long>(reading.Observed.time_since_epoch().count()));
                if (!forward && last && key <= *last)
                    return;
                if (forward)
                    last = key;
                each(reading);
                ++given;
            }
        } catch (const EHistoryError&) {
        }
    };
    scan("station, observed", true);
    scan("station DESC, observed DESC", false);
    return given;
}

long long HistoryStore::Count() const {
    Connection::Statement count(*connection_, "SELECT count(*) FROM readings", "could not be read");
    count.Step();
    return count.Integer(0);
}

} // namespace stormbell
