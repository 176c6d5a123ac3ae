#include "program/string_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

namespace zf {
namespace {

// Count, bytes used and bytes allocated: the pool grows in eight-byte steps.
template <typename Table>
std::tuple<std::uint32_t, std::size_t, std::size_t> Sizes(const Table& t) {
    return {t.Count(), t.PoolUsed(), t.PoolAllocated()};
}

TEST(StringTables, GrowInEightByteStepsAndReadBackFromAStoredPool) {
    StringTable t;
    EXPECT_EQ(Sizes(t), std::tuple(1u, 1u, 8u));
    EXPECT_EQ(std::vector({t.Add(""), t.Add("abc"), t.Add("abcde"), t.Add("abc"), t.Add("ABC")}),
              (std::vector<std::uint32_t>{0, 1, 2, 1, 3})); // case matters
    EXPECT_EQ(Sizes(t), std::tuple(4u, 15u, 16u));
    // An id never handed out reads empty; the bytes between used and
    // allocated stay zero.
    EXPECT_EQ(std::tuple(std::string(t.Get(2)), std::string(t.Get(99)),
                         std::string(t.Get(t.Count())), t.Contains(t.Count() - 1),
                         t.Contains(t.Count()), t.Pool()[t.PoolUsed()]),
              std::tuple("abcde", "", "", true, false, 0));

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
    EXPECT_EQ(std::tuple(t.Count(), t.PoolAllocated()), std::tuple(1u, 88u));
    std::uint8_t record[88];
    std::memset(record, 7, sizeof record);
    EXPECT_EQ((std::tuple{t.Add(record), t.Add(), t.PoolAllocated()}), std::tuple(1u, 2u, 264u));
    EXPECT_EQ(std::tuple(t.Get(1)[87], t.Get(2)[0]), std::tuple(7, 0));
    EXPECT_EQ(std::tuple(t.Get(3), std::as_const(t).Get(3)), std::tuple(nullptr, nullptr));
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
