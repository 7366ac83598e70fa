// Reads one report for the decode command, bounded so that no file or device costs more than a
// report may.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>

namespace stormbell {

/// A report that could not be read; the message names the file and the reason.
class EReportFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The bytes of the file `name`. Regular files and character devices are read, at most one
/// byte past kMaxReportBytes; a directory, FIFO, socket or block device is refused without
/// waiting for it. Throws EReportFileError when the file cannot be opened or read or holds more
/// than kMaxReportBytes.
std::string ReadReportFile(const std::string& name);

/// The bytes of `in` up to its end, read as ReadReportFile reads a device; `name` goes into the
/// messages of EReportFileError.
std::string ReadReportStream(std::istream& in, const std::string& name);

} // namespace stormbell
