#include "net/MemoryStream.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

std::string ReadAll(MemoryStream& stream) {
    std::string text(stream.Size() - stream.Position(), '\0');
    stream.Read(text.data(), text.size());
    return text;
}

TEST(MemoryStreamTest, WritesReadsAndSeeksLikeAFile) {
    MemoryStream stream;
    stream.Write("hello world", 11);
    EXPECT_EQ(stream.Size(), 11u);
    EXPECT_EQ(stream.Position(), 11u);

    stream.Seek(6);
    stream.Write("there", 5); // overwrites in place
    EXPECT_EQ(stream.Size(), 11u);
    stream.Seek(0);
    EXPECT_EQ(ReadAll(stream), "hello there");

    char buffer[4];
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 0u); // at the end
    stream.Seek(9);
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 2u);
    EXPECT_THROW(stream.Seek(12), std::out_of_range);

    stream.Clear();
    EXPECT_EQ(stream.Size(), 0u);
    EXPECT_EQ(stream.Position(), 0u);
}

TEST(MemoryStreamTest, FillsInPlaceOnlyWithinTheSpaceAskedFor) {
    MemoryStream stream;
    stream.Write("ab", 2);
    char* space = stream.WriteSpace(100000);
    space[0] = 'c';
    space[99999] = 'z';
    stream.CommitWrite(1);
    EXPECT_EQ(stream.Size(), 3u);
    stream.Seek(0);
    EXPECT_EQ(ReadAll(stream), "abc");
    stream.WriteSpace(10);
    EXPECT_THROW(stream.CommitWrite(SIZE_MAX), std::out_of_range);
    EXPECT_EQ(stream.Size(), 3u);
}

TEST(MemoryStreamTest, GrowsThroughManyBlocksKeepingEveryByte) {
    MemoryStream stream;
    std::string expected;
    for (int block = 0; block < 3000; ++block) {
        const std::string piece(block % 4097, static_cast<char>('a' + block % 26));
        stream.Write(piece.data(), piece.size());
        expected += piece;
    }
    stream.Seek(0);
    EXPECT_EQ(ReadAll(stream), expected);
}

} // namespace
} // namespace stormbell
