// HistoryStore on Debian's SQLite.
#include "history/HistoryStore.h"

#include <sqlite3.h>

#include <array>
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
constexpr std::array<std::string_view, 1> kMigrations = {
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
};
constexpr int kSchemaVersion = static_cast<int>(kMigrations.size());

constexpr const char* kColumns =
    "station, observed, received, temperature_c, dew_point_c, relative_humidity, pressure_hpa, "
    "wind_direction, wind_variable, wind_speed_kt, wind_gust_kt, visibility, sky, weather, "
    "tendency_hpa, report";

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

} // namespace

struct HistoryStore::Connection {
    explicit Connection(fs::path path) : file(std::move(path)) {}
    ~Connection() { sqlite3_close_v2(db); }

    [[noreturn]] void Fail(const std::string& what, int code) const {
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

    void Open() {
        const int flags =
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW;
        const int code = sqlite3_open_v2(file.string().c_str(), &db, flags, nullptr);
        if (code != SQLITE_OK)
            Fail("could not be opened", code);
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, static_cast<int>(kHistoryBusyWait.count()));
        // The first read of the file: a file that is no database fails here.
        const auto journalMode = [this] {
            Statement mode(*this, "PRAGMA journal_mode", "could not be read");
            mode.Step();
            return mode.Text(0);
        };
        if (journalMode() != "wal")
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

    void Migrate() {
        if (SchemaVersion() == kSchemaVersion)
            return;
        Transaction transaction(*this);
        // Read again under the lock: another program may have migrated meanwhile.
        const int version = SchemaVersion();
        if (version > kSchemaVersion)
            throw EHistoryError("The history " + file.string() +
                                    " was written by a newer Stormbell (schema " +
                                    std::to_string(version) + ")",
                                false);
        for (int step = version; step < kSchemaVersion; ++step)
            Execute(std::string(kMigrations[static_cast<std::size_t>(step)]).c_str(),
                    "could not be brought to the current schema");
        Execute(("PRAGMA user_version=" + std::to_string(kSchemaVersion)).c_str(),
                "could not be brought to the current schema");
        transaction.Commit();
    }

    bool Insert(Statement& insert, const HistoryReading& reading) const {
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

    fs::path file;
    sqlite3* db = nullptr;
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

HistoryStore::HistoryStore(const fs::path& file, WhenDamaged whenDamaged) : file_(file) {
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error)
        throw EHistoryError("The history's folder " + file.parent_path().string() +
                                " could not be created (" + error.message() + ")",
                            false);
    for (bool retried = false;; retried = true) {
        try {
            connection_ = std::make_unique<Connection>(file);
            connection_->Open();
            return;
        } catch (const EHistoryError& failure) {
            connection_.reset();
            if (!failure.Damaged() || whenDamaged == WhenDamaged::Refuse || retried)
                throw;
        }
        const fs::path aside = SetHistoryAside(file);
        notice_ = "The history " + file.string() + " was damaged and was set aside as " +
                  aside.string() + "; a new history begins.";
    }
}

HistoryStore::~HistoryStore() = default;

bool HistoryStore::Add(const HistoryReading& reading) {
    Connection::Transaction transaction(*connection_);
    Connection::Statement insert(*connection_, kInsert, "could not be written");
    const bool added = connection_->Insert(insert, reading);
    transaction.Commit();
    return added;
}

std::size_t HistoryStore::AddAll(const std::vector<HistoryReading>& readings) {
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
    while (select.Step()) {
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
        each(reading);
    }
}

std::vector<HistoryReading> HistoryStore::Readings(const HistoryQuery& query) const {
    std::vector<HistoryReading> readings;
    ForEach(query, [&](const HistoryReading& reading) { readings.push_back(reading); });
    return readings;
}

long long HistoryStore::Count() const {
    Connection::Statement count(*connection_, "SELECT count(*) FROM readings", "could not be read");
    count.Step();
    return count.Integer(0);
}

} // namespace stormbell
