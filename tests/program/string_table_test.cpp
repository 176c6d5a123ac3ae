#include "program/string_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zf {
namespace {

TEST(StringTables, GrowInEightByteSteps) {
    StringTable t;
    EXPECT_EQ(t.Count(), 1u);
    EXPECT_EQ(t.PoolUsed(), 1u);
    EXPECT_EQ(t.PoolAllocated(), 8u);
    EXPECT_EQ(t.Add(""), 0u);
    EXPECT_EQ(t.Add("abc"), 1u);
    EXPECT_EQ(t.Add("abcde"), 2u);
    EXPECT_EQ(t.PoolUsed(), 11u);
    EXPECT_EQ(t.PoolAllocated(), 16u);
    EXPECT_EQ(t.Add("abc"), 1u);
    EXPECT_EQ(t.Count(), 3u);
    EXPECT_EQ(t.Add("ABC"), 3u); // case matters
    EXPECT_STREQ(t.Get(2), "abcde");
    EXPECT_STREQ(t.Get(99), ""); // an id never handed out
    EXPECT_TRUE(t.Contains(t.Count() - 1));
    EXPECT_FALSE(t.Contains(t.Count()));
    // The bytes between used and allocated stay zero.
    EXPECT_EQ(t.Pool()[t.PoolUsed()], 0);
}

TEST(StringTables, StoredPoolReadsBackToTheSameIds) {
    StringTable t;
    t.Add("zarndef.bmp");
    t.Add("star.bmp");
    t.Add("pen1.bmp");
    StringTable back;
    back.AddAllFromBlock(t.Pool(), t.PoolAllocated());
    ASSERT_EQ(back.Count(), t.Count());
    for (std::uint32_t id = 0; id < t.Count(); ++id)
        EXPECT_STREQ(back.Get(id), t.Get(id));
    // A block without a final zero still ends inside it.
    const char tail[] = {'a', 0, 'b', 'c'};
    back.AddAllFromBlock(reinterpret_cast<const std::uint8_t*>(tail), sizeof tail);
    EXPECT_STREQ(back.Get(back.Count() - 1), "bc");
}

TEST(RecordTables, EightyEightByteRecords) {
    RecordTable t(88);
    EXPECT_EQ(t.Count(), 1u);
    EXPECT_EQ(t.PoolAllocated(), 88u);
    std::uint8_t record[88];
    std::memset(record, 7, sizeof record);
    EXPECT_EQ(t.Add(record), 1u);
    EXPECT_EQ(t.Add(), 2u);
    EXPECT_EQ(t.PoolAllocated(), 264u);
    EXPECT_EQ(t.Get(1)[87], 7);
    EXPECT_EQ(t.Get(2)[0], 0);
    EXPECT_EQ(t.Get(3), nullptr);
    RecordTable back(88);
    back.AddAllFromBlock(t.Pool(), t.PoolAllocated());
    EXPECT_EQ(back.Count(), 3u);
    EXPECT_EQ(std::memcmp(back.Get(1), record, 88), 0);
    // A short last record is not taken.
    back.AddAllFromBlock(t.Pool(), 88 + 50);
    EXPECT_EQ(back.Count(), 3u);
}

} // namespace
} // namespace zf
