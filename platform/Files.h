// The report log's and the cli's way to files: opens that never wait on a special file and, for
// the log, never follow a link, an advisory lock, and atomic replacement; a POSIX and a Windows
// side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace stormbell {

/// What an open file is.
enum class FileKind { Regular, Directory, Device, Other };

/// How a file is opened.
enum class OpenMode {
    Read,      ///< an existing file, for reading
    ReadWrite, ///< for reading and writing, created when missing (a lock file)
    CreateNew, ///< a new file for writing; fails with std::errc::file_exists when the name is taken
};

/// Whether a lock is held after one try.
enum class LockResult { Held, Busy, Failed };

/// One open file, closed by its destructor. Failures set Error() to a std::errc value where one
/// fits (missing, exists, not a directory, no space), else the system's own code.
class NativeFile {
public:
    /// Opens `path`, refusing a link as the last step unless `followLinks`; never waits for the
    /// other end of a FIFO or a device. IsOpen() tells whether it worked.
    NativeFile(const std::filesystem::path& path, OpenMode mode, bool followLinks = false);
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&&) = delete;
    ~NativeFile();

    bool IsOpen() const;
    /// The error of the last failed call.
    std::error_code Error() const { return error_; }
    /// What the file is; Other when that cannot be found out.
    FileKind Kind() const;
    /// A regular file of the running user with no other name: one of our own, safe to remove.
    bool IsOwnSingleName() const;
    /// The size of a regular file in bytes; 0 for anything else.
    std::uint64_t Size() const;
    /// Reads at most `size` bytes: the count, 0 at the end, -1 on failure.
    long Read(char* buffer, std::size_t size);
    /// Writes all of `data`; false on failure.
    bool Write(std::string_view data);
    /// Forces what was written through to the disk; false on failure.
    bool Flush();
    /// Gives this file the permission bits of `other` (where the system has any); false on failure.
    bool CopyPermissions(const NativeFile& other);
    /// Makes reads wait for data again (a device was opened without waiting).
    void WaitOnRead();
    /// One try for the exclusive advisory lock, held until the file is closed.
    LockResult TryLock();
    /// Closes the file; the error of the close, or none.
    std::error_code Close();

private:
    bool Failed();
    std::intptr_t handle_;
    std::error_code error_;
};

/// Removes the name `path`; the error, or none.
std::error_code RemoveFile(const std::filesystem::path& path);

/// Puts `from` in the place of `to` in one atomic step, replacing `to` and writing the change
/// through to the disk; the error, or none.
std::error_code ReplaceByRename(const std::filesystem::path& from, const std::filesystem::path& to);

/// Gives `from` the name `to` only when `to` is free; where the file system cannot refuse to
/// replace, as ReplaceByRename.
std::error_code PublishNewFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace stormbell
