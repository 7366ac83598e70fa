// What both sides of the files share: moving, closing and failing a NativeFile.
#include "platform/Files.h"

#include "platform/FileHandles.h"

#include <utility>

namespace stormbell {

NativeFile::NativeFile(NativeFile&& other) noexcept
    : handle_(std::exchange(other.handle_, NoFileHandle())), error_(other.error_) {}

NativeFile::~NativeFile() {
    if (IsOpen())
        CloseFileHandle(handle_);
}

bool NativeFile::IsOpen() const {
    return handle_ != NoFileHandle();
}

bool NativeFile::Failed() {
    error_ = LastFileError();
    return false;
}

std::error_code NativeFile::Close() {
    return CloseFileHandle(std::exchange(handle_, NoFileHandle())) ? std::error_code()
                                                                   : LastFileError();
}

} // namespace stormbell
