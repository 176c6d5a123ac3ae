#include "files/byte_cursor.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace zf {
namespace {

TEST(ByteCursor, ReadsWhatTheWriterWroteAndChecksRangesAndSeeksWithoutOverflow) {
    std::vector<std::uint8_t> bytes;
    ByteWriter w(bytes);
    w.U16(0x1234);
    w.I32(-2);
    w.FixedString("abcdef", 4);
    w.I16(-300);
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[9], 0); // a cut field keeps its terminator

    ByteReader r(bytes);
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_EQ(r.I32(), -2);
    EXPECT_EQ(r.FixedString(4), "abc");
    EXPECT_EQ(r.I16(), -300);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.AtEnd());

    // A read past the end fails and yields zero; once failed, later reads
    // stay failed even where bytes remain.
    ByteReader cut(std::span<const std::uint8_t>(bytes).first(3));
    EXPECT_EQ(cut.U16(), 0x1234);
    EXPECT_EQ(cut.U16(), 0);
    EXPECT_FALSE(cut.ok());
    EXPECT_EQ(cut.U8(), 0);
    EXPECT_TRUE(cut.Bytes(1).empty());

    // Ranges and seeks are checked without overflow.
    std::vector<std::uint8_t> ten(10);
    ByteReader ranged(ten);
    EXPECT_EQ(ranged.Range(4, 6).size(), 6u);
    EXPECT_TRUE(ranged.ok());
    EXPECT_TRUE(ranged.Range(4, 0xFFFFFFFFFFFFFFFFull).empty());
    EXPECT_FALSE(ranged.ok());

    ByteReader s(ten);
    EXPECT_TRUE(s.Seek(10));
    EXPECT_FALSE(s.Seek(11));
    EXPECT_FALSE(s.ok());
    ByteReader skip(ten);
    EXPECT_TRUE(skip.Skip(10));
    EXPECT_FALSE(skip.Skip(1));
    EXPECT_FALSE(skip.ok());

    // Patches write their own bytes only, and never past the end.
    ByteWriter patch(ten);
    patch.PutU32At(2, 0x01020304);
    EXPECT_EQ(ten, (std::vector<std::uint8_t>{0, 0, 4, 3, 2, 1, 0, 0, 0, 0}));
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build catches no exceptions";
#endif
    EXPECT_THROW(patch.PutBytesAt(11, {}), std::out_of_range);
    EXPECT_THROW(patch.PutBytesAt(8, std::vector<std::uint8_t>(3)), std::out_of_range);
}

} // namespace
} // namespace zf
