// What tells a server which copy of a report the client already holds (its ETag, or the time it
// was last modified), kept with the place it came from and offered back only there: after a
// request anywhere else, even one that comes back, the next request fetches the whole file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace stormbell {

/// Where a report was asked for: the server's name and port, the directory and the file, as the
/// settings gave them.
struct ReportPlace {
    std::string Host;
    int Port = 0;
    std::string Directory;
    std::string File;
    bool operator==(const ReportPlace&) const = default;
};

/// One request header asking for the report only if it changed.
struct ReportCondition {
    std::string Name;  ///< "If-None-Match" or "If-Modified-Since"
    std::string Value; ///< as the server sent it
};

class ReportValidators {
public:
    /// Longest validator kept; a longer one is no real server's.
    static constexpr std::size_t kMostBytes = 1024;

    /// A request goes to `place`: whatever was kept from another place is forgotten. Never
    /// throws.
    void MoveTo(const ReportPlace& place);
    /// Forgets what was kept: a request went where this client does not follow it. Never throws.
    void Forget();
    /// Keeps the answer from `place`: its ETag and its time (Last-Modified, or Date). A value
    /// holding a control character or longer than kMostBytes is dropped, never kept: sent back, it
    /// could add headers of the server's choosing.
    void Keep(const ReportPlace& place, std::string_view tag, std::string_view time);
    /// The condition for a request to `place`, the ETag before the time; nothing when nothing
    /// was kept from there.
    std::optional<ReportCondition> ConditionFor(const ReportPlace& place) const;

private:
    std::optional<ReportPlace> place_;
    std::string tag_;
    std::string time_;
};

} // namespace stormbell
