#include "platform/Files.h"

#include "platform/FileHandles.h"

#include <windows.h>

namespace stormbell {

namespace {

HANDLE Native(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The codes the callers tell apart become their portable names; the rest keep the system's.
std::error_code ToErrorCode(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    case ERROR_DIRECTORY:
        return std::make_error_code(std::errc::not_a_directory);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_ACCESS_DENIED:
        return std::make_error_code(std::errc::permission_denied);
    default:
        return {static_cast<int>(code), std::system_category()};
    }
}

HANDLE Open(const std::filesystem::path& path, OpenMode mode, bool followLinks) {
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    if (mode == OpenMode::ReadWrite) {
        access = GENERIC_READ | GENERIC_WRITE;
        disposition = OPEN_ALWAYS;
    } else if (mode == OpenMode::CreateNew) {
        access = GENERIC_WRITE;
        disposition = CREATE_NEW;
    }
    // Shared for deleting too, so another gauge can still replace the log while we read it.
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    // A folder opens too (for reading only), so that it can be told apart and refused.
    DWORD flags = FILE_ATTRIBUTE_NORMAL | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    if (mode == OpenMode::Read)
        flags |= FILE_FLAG_BACKUP_SEMANTICS;
    return ::CreateFileW(path.c_str(), access, sharing, nullptr, disposition, flags, nullptr);
}

bool Information(std::intptr_t handle, BY_HANDLE_FILE_INFORMATION& info) {
    return ::GetFileInformationByHandle(Native(handle), &info) != 0;
}

} // namespace

std::intptr_t NoFileHandle() {
    return reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
}

// Closing the handle also releases its lock.
bool CloseFileHandle(std::intptr_t handle) {
    return ::CloseHandle(Native(handle)) != 0;
}

std::error_code LastFileError() {
    return ToErrorCode(::GetLastError());
}

NativeFile::NativeFile(const std::filesystem::path& path, OpenMode mode, bool followLinks)
    : handle_(reinterpret_cast<std::intptr_t>(Open(path, mode, followLinks))) {
    if (!IsOpen())
        error_ = LastFileError();
}

FileKind NativeFile::Kind() const {
    switch (::GetFileType(Native(handle_))) {
    case FILE_TYPE_CHAR:
        return FileKind::Device;
    case FILE_TYPE_DISK:
        break;
    default:
        return FileKind::Other;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!Information(handle_, info))
        return FileKind::Other;
    // A link or junction opened as itself is no file to read or replace.
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return FileKind::Other;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileKind::Directory;
    return FileKind::Regular;
}

bool NativeFile::IsOwnSingleName() const {
    // Files in the user's own folder belong to the user; the second name is what can be told.
    BY_HANDLE_FILE_INFORMATION info{};
    return Kind() == FileKind::Regular && Information(handle_, info) && info.nNumberOfLinks == 1;
}

std::uint64_t NativeFile::Size() const {
    LARGE_INTEGER size{};
    if (Kind() != FileKind::Regular || !::GetFileSizeEx(Native(handle_), &size))
        return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

long NativeFile::Read(char* buffer, std::size_t size) {
    DWORD count = 0;
    const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (::ReadFile(Native(handle_), buffer, wanted, &count, nullptr))
        return static_cast<long>(count);
    // A pipe or console whose writer has gone has simply ended.
    if (::GetLastError() == ERROR_BROKEN_PIPE)
        return 0;
    Failed();
    return -1;
}

bool NativeFile::Write(std::string_view data) {
    while (!data.empty()) {
        const DWORD wanted =
            data.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(data.size());
        DWORD count = 0;
        if (!::WriteFile(Native(handle_), data.data(), wanted, &count, nullptr))
            return Failed();
        data.remove_prefix(count);
    }
    return true;
}

bool NativeFile::Flush() {
    return ::FlushFileBuffers(Native(handle_)) != 0 || Failed();
}

bool NativeFile::CopyPermissions(const NativeFile&) {
    // A new file inherits the folder's access rules, as the old log did.
    return true;
}

void NativeFile::WaitOnRead() {}

LockResult NativeFile::TryLock() {
    OVERLAPPED whole{};
    if (::LockFileEx(Native(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                     MAXDWORD, MAXDWORD, &whole))
        return LockResult::Held;
    if (::GetLastError() == ERROR_LOCK_VIOLATION || ::GetLastError() == ERROR_IO_PENDING)
        return LockResult::Busy;
    Failed();
    return LockResult::Failed;
}

std::error_code RemoveFile(const std::filesystem::path& path) {
    return ::DeleteFileW(path.c_str()) ? std::error_code() : LastFileError();
}

std::error_code ReplaceByRename(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? std::error_code()
               : LastFileError();
}

std::error_code PublishNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) ? std::error_code()
                                                                           : LastFileError();
}

} // namespace stormbell
