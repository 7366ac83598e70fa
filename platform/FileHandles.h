// What each side of the files gives the part they share (FilesShared.cpp): its handle of no file,
// closing a handle, and the last failure as a portable error code.
#pragma once

#include <cstdint>
#include <system_error>

namespace stormbell {

/// The handle value that stands for no open file.
std::intptr_t NoFileHandle();

/// Closes `handle`; false when the system reports a failure (LastFileError then says which).
bool CloseFileHandle(std::intptr_t handle);

/// The last failed call's error: a std::errc value where one fits, else the system's own code.
std::error_code LastFileError();

} // namespace stormbell
