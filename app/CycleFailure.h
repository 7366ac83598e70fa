// Why an update cycle failed, in words that name the station file, the directory and the host,
// with the server's own reply after them.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace stormbell {

/// The step of a cycle an error came from.
enum class CycleStep { Check, Login, ChangeDir, Download, Logout, Decode };

/// Where a cycle fetches from.
struct CyclePlace {
    std::string Host;
    std::string Directory;
    std::string File;
};

/// A download of no bytes: no report, whatever the server's completion reply said.
class EEmptyReport : public std::runtime_error {
public:
    EEmptyReport();
};

/// A failed cycle, told in full; `Cause` is the error of the step that failed.
class EUpdateFailed : public std::runtime_error {
public:
    EUpdateFailed(const std::string& message, std::exception_ptr cause)
        : std::runtime_error(message), cause_(std::move(cause)) {}
    std::exception_ptr Cause() const { return cause_; }

private:
    std::exception_ptr cause_;
};

/// The message for `error` at `step`, e.g. KXYZ.TXT was not found in data/observations/metar/
/// decoded on tgftp.nws.noaa.gov: "550 No such file or directory." A refusal of the server is
/// quoted with its code; other errors follow with their own text. The settings and the server
/// speak single-byte text; the message is UTF-8.
std::string CycleFailureMessage(CycleStep step, const CyclePlace& place,
                                const std::exception& error);

} // namespace stormbell
