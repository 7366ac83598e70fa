// Faults a history store meets from outside: another program holding its write lock, a header
// naming a schema, a damaged page, and a log of many readings to import.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "tests/support/TempDir.h"

#if __has_include(<sqlite3.h>)
#include <sqlite3.h>
#endif

namespace stormbell::testing {

#if __has_include(<sqlite3.h>)
/// Another program's connection that holds the write lock of `file` while it lives.
class HeldStore {
public:
    explicit HeldStore(const std::filesystem::path& file) {
        sqlite3_open(file.c_str(), &db_);
        if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error("could not hold " + file.string());
    }
    HeldStore(const HeldStore&) = delete;
    HeldStore& operator=(const HeldStore&) = delete;
    ~HeldStore() {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }

private:
    sqlite3* db_ = nullptr;
};
#else
/// A build without SQLite keeps no history: its tests skip before they would hold one.
class HeldStore {
public:
    explicit HeldStore(const std::filesystem::path& file) {
        throw std::runtime_error("no SQLite to hold " + file.string());
    }
};
#endif

/// Writes `version` as the schema number of the closed store `file` (the header's user_version,
/// big-endian at byte 60).
inline void WriteSchemaVersion(const std::filesystem::path& file, std::int32_t version) {
    std::string bytes = ReadFile(file);
    const auto value = static_cast<std::uint32_t>(version);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(60 + i)] = static_cast<char>(value >> (24 - 8 * i));
    WriteFile(file, bytes);
}

/// Overwrites the page of the closed store `file` at `fraction` of its length with garbage.
inline void DamageMiddlePage(const std::filesystem::path& file, double fraction = 0.5) {
    constexpr std::size_t kPage = 4096;
    std::string bytes = ReadFile(file);
    const std::size_t page =
        static_cast<std::size_t>(static_cast<double>(bytes.size() / kPage) * fraction);
    std::fill(bytes.begin() + static_cast<long>(page * kPage),
              bytes.begin() + static_cast<long>((page + 1) * kPage), '\xff');
    WriteFile(file, bytes);
}

/// A log of `count` reports of KBFI, one a minute from 2023-08-25 00:00 UTC.
inline std::string ManyReports(int count) {
    std::string log;
    for (int i = 0; i < count; ++i) {
        char time[64];
        std::snprintf(time, sizeof time, "2023.08.%02d %02d%02d UTC", 25 + i / 1440, i / 60 % 24,
                      i % 60);
        log += "SEATTLE BOEING FIELD, WA, United States (KBFI) 47-33N 122-19W 4M\r\n"
               "Aug 25, 2023 / " +
               std::string(time) + "\r\nTemperature: 67.0 F (19.4 C)\r\n\r\n";
    }
    return log;
}

} // namespace stormbell::testing
