// A growable byte buffer with a read/write position: where downloads land and uploads start.
#pragma once

#include <cstddef>

namespace stormbell {

class MemoryStream {
public:
    MemoryStream() = default;
    ~MemoryStream();
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    /// Writes `count` bytes at the position, growing the buffer; throws std::bad_alloc.
    void Write(const void* data, std::size_t count);
    /// Room for `count` bytes at the position, for a reader to fill in place and then
    /// CommitWrite; valid until the next change. Throws std::bad_alloc.
    char* WriteSpace(std::size_t count);
    /// Takes `count` bytes filled in at WriteSpace into the stream and advances the position.
    void CommitWrite(std::size_t count);
    /// Copies up to `count` bytes from the position on and advances it; returns the count.
    std::size_t Read(void* buffer, std::size_t count);
    /// Moves the position; a position beyond the end throws std::out_of_range.
    void Seek(std::size_t position);
    /// Empties the stream: size and position 0 (the memory is kept for reuse).
    void Clear();

    /// The bytes held, valid until the next Write or Clear.
    const char* Data() const { return FData; }
    std::size_t Size() const { return FSize; }
    std::size_t Position() const { return FPosition; }

private:
    void Reserve(std::size_t capacity);

    char* FData = nullptr;
    std::size_t FSize = 0;
    std::size_t FCapacity = 0;
    std::size_t FPosition = 0;
};

} // namespace stormbell
