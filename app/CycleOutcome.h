// What one update cycle came to: completed, or failed at a step with the error that ended it and
// the message that tells the user why.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace stormbell {

/// Where a cycle fetches from.
struct CyclePlace {
    std::string Host;
    std::string Directory;
    std::string File;
    std::optional<int> ProxyPort; ///< the port connected to instead of the protocol's own
};

/// The step of a cycle an error came from. A login that drew no reply from the server failed at
/// Connect; one the server refused, at Login.
enum class CycleStep { Check, Connect, Login, ChangeDir, Download, Logout, Decode, Log };

struct CycleOutcome {
    std::optional<CycleStep> FailedAt; ///< empty: the report was fetched and decoded
    std::exception_ptr Cause;          ///< the error of the step that failed
    std::string Message;               ///< CycleFailureMessage's words, UTF-8; empty on success
    /// Side steps that failed while the report still came whole (the logout), in the same
    /// words; they do not make the cycle fail.
    std::vector<std::string> Notes;
    /// Completed without a report: the server answered that it has not changed.
    bool Unchanged = false;

    bool Completed() const { return !FailedAt.has_value(); }
};

} // namespace stormbell
