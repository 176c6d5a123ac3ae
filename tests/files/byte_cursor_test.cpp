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
    // A cut field keeps its terminator.
    EXPECT_EQ(std::tuple(bytes[0], bytes[1], bytes[9]), std::tuple(0x34, 0x12, 0));

    ByteReader r(bytes);
    EXPECT_EQ((std::tuple{r.U16(), r.I32(), r.FixedString(4), r.I16(), r.ok(), r.AtEnd()}),
              std::tuple(0x1234, -2, "abc", -300, true, true));

    // A read past the end fails and yields zero; once failed, later reads
    // stay failed even where bytes remain.
    ByteReader cut(std::span<const std::uint8_t>(bytes).first(3));
    EXPECT_EQ((std::tuple{cut.U16(), cut.U16(), cut.ok(), cut.U8(), cut.Bytes(1).empty()}),
              std::tuple(0x1234, 0, false, 0, true));

    // Ranges and seeks are checked without overflow.
    std::vector<std::uint8_t> ten(10);
    ByteReader ranged(ten), s(ten), skip(ten);
    EXPECT_EQ((std::tuple{ranged.Range(4, 6).size(), ranged.ok(),
                          ranged.Range(4, 0xFFFFFFFFFFFFFFFFull).empty(), ranged.ok()}),
              std::tuple(6u, true, true, false));
    EXPECT_EQ((std::tuple{s.Seek(10), s.Seek(11), s.ok(), skip.Skip(10), skip.Skip(1), skip.ok()}),
              std::tuple(true, false, false, true, false, false));

    // Patches write their own bytes only, and never past the end; at it,
    // nothing is written.
    ByteWriter patch(ten);
    patch.PutU32At(2, 0x01020304);
    EXPECT_EQ(ten, (std::vector<std::uint8_t>{0, 0, 4, 3, 2, 1, 0, 0, 0, 0}));
    patch.PutBytesAt(10, {});
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build catches no exceptions";
#endif
    EXPECT_THROW(patch.PutBytesAt(11, {}), std::out_of_range);
    EXPECT_THROW(patch.PutBytesAt(8, std::vector<std::uint8_t>(3)), std::out_of_range);
}

} // namespace
} // namespace zf
