#include "net/MemoryStream.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace stormbell {

namespace {

constexpr std::size_t InitialCapacity = 4096;

} // namespace

MemoryStream::~MemoryStream() {
    std::free(FData);
}

void MemoryStream::Write(const void* data, std::size_t count) {
    if (count == 0)
        return;
    std::memcpy(WriteSpace(count), data, count);
    CommitWrite(count);
}

char* MemoryStream::WriteSpace(std::size_t count) {
    if (count > FCapacity - FPosition) {
        if (count > SIZE_MAX - FPosition)
            throw std::bad_alloc();
        std::size_t capacity = FCapacity < InitialCapacity ? InitialCapacity : FCapacity;
        // Doubling keeps a large download to a few dozen reallocations; realloc lets the
        // allocator move big blocks by remapping pages instead of copying them.
        while (capacity < FPosition + count)
            capacity = capacity > SIZE_MAX / 2 ? FPosition + count : capacity * 2;
        Reserve(capacity);
    }
    return FData + FPosition;
}

void MemoryStream::CommitWrite(std::size_t count) {
    if (count > FCapacity - FPosition)
        throw std::out_of_range("Stream write beyond the space asked for");
    FPosition += count;
    if (FPosition > FSize)
        FSize = FPosition;
}

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
    const std::size_t available = FSize - FPosition;
    const std::size_t taken = count < available ? count : available;
    if (taken > 0)
        std::memcpy(buffer, FData + FPosition, taken);
    FPosition += taken;
    return taken;
}

void MemoryStream::Seek(std::size_t position) {
    if (position > FSize)
        throw std::out_of_range("Stream position beyond its end");
    FPosition = position;
}

void MemoryStream::Clear() {
    FSize = 0;
    FPosition = 0;
}

void MemoryStream::Reserve(std::size_t capacity) {
    void* grown = std::realloc(FData, capacity);
    if (grown == nullptr)
        throw std::bad_alloc();
    FData = static_cast<char*>(grown);
    FCapacity = capacity;
}

} // namespace stormbell
