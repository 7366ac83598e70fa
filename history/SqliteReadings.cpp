// The SQLite history's readings: each stored once per station and observation time, read back
// by station and time, and what is still readable of a damaged store.
#include "history/SqliteConnection.h"

#include <limits>

namespace stormbell {

using std::chrono::seconds;
using std::chrono::sys_seconds;

namespace {

constexpr const char* kColumns =
    "station, observed, received, temperature_c, dew_point_c, relative_humidity, pressure_hpa, "
    "wind_direction, wind_variable, wind_speed_kt, wind_gust_kt, visibility, sky, weather, "
    "tendency_hpa, report";

constexpr const char* kInsert =
    "INSERT OR IGNORE INTO readings (station, observed, received, temperature_c, dew_point_c, "
    "relative_humidity, pressure_hpa, wind_direction, wind_variable, wind_speed_kt, "
    "wind_gust_kt, visibility, sky, weather, tendency_hpa, report) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16)";

} // namespace

bool HistoryStore::Connection::Insert(Statement& insert, const HistoryReading& reading) const {
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

HistoryReading HistoryStore::Connection::Row(const Statement& select) const {
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
