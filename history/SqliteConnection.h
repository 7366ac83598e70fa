// Internal to the SQLite history's own files, not for use elsewhere: the open database and its
// statements and transactions, shared by the opening, the schema, the readings and the alerts.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>
#include <type_traits>
#include <utility>

#include "history/HistoryStore.h"

namespace stormbell {

/// Throws EHistoryError, saying nothing new can be stored in `file`, when `readOnly`.
void RefuseWhenReadOnly(bool readOnly, const std::filesystem::path& file);

struct HistoryStore::Connection {
    Connection(std::filesystem::path path, std::stop_token stopToken)
        : file(std::move(path)), stop(std::move(stopToken)) {}
    ~Connection() { sqlite3_close_v2(db); }

    /// Throws EHistoryError saying `what` failed, with SQLite's words for `code`.
    [[noreturn]] void Fail(const std::string& what, int code) const;

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
    static int WaitWhileBusy(void* self, int tries);

    enum class Access { Write, Read, Unchanging };

    /// Opens the file as `access` says and, for writing, brings its schema to the current one.
    void Open(Access access);
    int SchemaVersion() const;
    void CheckSchema(int version) const;
    void Migrate();
    /// Adds `reading` through `insert` unless its station and time are stored: true when added.
    bool Insert(Statement& insert, const HistoryReading& reading) const;
    HistoryReading Row(const Statement& select) const;

    std::filesystem::path file;
    std::stop_token stop;
    sqlite3* db = nullptr;
    mutable int lastCode = SQLITE_OK;
};

} // namespace stormbell
