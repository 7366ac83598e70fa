#include "platform/Files.h"

#include "platform/FileHandles.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stormbell {

namespace {

int Flags(OpenMode mode, bool followLinks) {
    // Never wait for the other end of a FIFO; never leak the descriptor into a child.
    int flags = O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW);
    switch (mode) {
    case OpenMode::Read:
        return flags | O_RDONLY;
    case OpenMode::ReadWrite:
        return flags | O_RDWR | O_CREAT;
    case OpenMode::CreateNew:
        return flags | O_WRONLY | O_CREAT | O_EXCL;
    }
    return flags;
}

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

std::intptr_t NoFileHandle() {
    return -1;
}

bool CloseFileHandle(std::intptr_t handle) {
    return ::close(Fd(handle)) == 0;
}

std::error_code LastFileError() {
    return {errno, std::generic_category()};
}

NativeFile::NativeFile(const std::filesystem::path& path, OpenMode mode, bool followLinks)
    : handle_(::open(path.c_str(), Flags(mode, followLinks), 0666)) {
    if (handle_ < 0)
        error_ = LastFileError();
}

FileKind NativeFile::Kind() const {
    struct stat info {};
    if (::fstat(Fd(handle_), &info) != 0)
        return FileKind::Other;
    if (S_ISREG(info.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(info.st_mode))
        return FileKind::Directory;
    return S_ISCHR(info.st_mode) ? FileKind::Device : FileKind::Other;
}

bool NativeFile::IsOwnSingleName() const {
    struct stat info {};
    return ::fstat(Fd(handle_), &info) == 0 && S_ISREG(info.st_mode) &&
           info.st_uid == ::geteuid() && info.st_nlink == 1;
}

std::uint64_t NativeFile::Size() const {
    struct stat info {};
    if (::fstat(Fd(handle_), &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

long NativeFile::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(Fd(handle_), buffer, size);
        if (count >= 0)
            return static_cast<long>(count);
        if (errno != EINTR) {
            Failed();
            return -1;
        }
    }
}

bool NativeFile::Write(std::string_view data) {
    while (!data.empty()) {
        const ssize_t count = ::write(Fd(handle_), data.data(), data.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return Failed();
        }
        data.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

bool NativeFile::Flush() {
    return ::fsync(Fd(handle_)) == 0 || Failed();
}

bool NativeFile::CopyPermissions(const NativeFile& other) {
    struct stat info {};
    if (::fstat(Fd(other.handle_), &info) != 0)
        return Failed();
    return ::fchmod(Fd(handle_), info.st_mode & 07777) == 0 || Failed();
}

void NativeFile::WaitOnRead() {
    ::fcntl(Fd(handle_), F_SETFL, ::fcntl(Fd(handle_), F_GETFL) & ~O_NONBLOCK);
}

LockResult NativeFile::TryLock() {
    for (;;) {
        if (::flock(Fd(handle_), LOCK_EX | LOCK_NB) == 0)
            return LockResult::Held;
        if (errno == EWOULDBLOCK)
            return LockResult::Busy;
        if (errno != EINTR) {
            Failed();
            return LockResult::Failed;
        }
    }
}

std::error_code RemoveFile(const std::filesystem::path& path) {
    return ::unlink(path.c_str()) == 0 ? std::error_code() : LastFileError();
}

namespace {

// A rename reaches the disk with its folder: the flush is what makes the new name survive a
// power cut. It is best effort, as the rename has happened already.
void FlushFolderOf(const std::filesystem::path& path) {
    const int folder = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace

std::error_code ReplaceByRename(const std::filesystem::path& from,
                                const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return LastFileError();
    FlushFolderOf(to);
    return {};
}

std::error_code PublishNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        FlushFolderOf(to);
        return {};
    }
    if (errno != EINVAL && errno != ENOSYS)
        return LastFileError();
    return ReplaceByRename(from, to);
}

} // namespace stormbell
