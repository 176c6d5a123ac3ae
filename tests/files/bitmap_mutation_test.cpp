#include "files/bitmap.h"

#include "bitmap_test_support.h"
#include "file_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>

namespace zf {
namespace {

using test::TestPicture;

// One picture of each form the loader knows.
std::vector<std::vector<std::uint8_t>> Seeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    seeds.push_back(
        test::BuildBitmapFile({9, 3, 1, {0, 0xFFFFFF}, std::vector<std::uint32_t>(27, 1)}));
    seeds.push_back(
        test::BuildBitmapFile({5, 2, 4, {0xFF0000, 0xFF00, 0xFF}, {0, 1, 2, 0, 1, 2, 2, 1, 0, 0}}));
    TestPicture core{3, 2, 8, std::vector<std::uint32_t>(256, 0x123456), {0, 1, 2, 3, 4, 5}};
    core.core = true;
    seeds.push_back(test::BuildBitmapFile(core));
    seeds.push_back(test::BuildBitmapFile(
        {6, 4, 8, {0xFFFFFF, 0xFF00FF, 0x8080}, std::vector<std::uint32_t>(24, 2)}));
    seeds.push_back(test::BuildBitmapFile({3, 3, 24, {}, std::vector<std::uint32_t>(9, 0xABCDEF)}));
    // 16 bits with masks after a 40-byte header, and plain 32 bits.
    std::vector<std::uint8_t> bitFields = test::BuildBitmapFile({2, 2, 24, {}, {1, 2, 3, 4}});
    test::Put16(bitFields, 28, 16);
    test::Put32(bitFields, 30, 3);
    bitFields.insert(bitFields.begin() + 54, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0});
    test::Put32(bitFields, 2, static_cast<std::uint32_t>(bitFields.size()));
    seeds.push_back(bitFields);
    std::vector<std::uint8_t> wide =
        test::BuildBitmapFile({2, 3, 24, {}, std::vector<std::uint32_t>(6, 7)});
    test::Put16(wide, 28, 32);
    seeds.push_back(wide);
    seeds.push_back(test::WithRunLengthRows(
        {6, 3, 8, {0, 0xFF, 0xFF00}, std::vector<std::uint32_t>(18, 0)},
        {3, 1, 0, 3, 2, 1, 2, 0, 0, 0, 0, 2, 1, 1, 2, 2, 0, 0, 4, 1, 0, 1}));
    seeds.push_back(
        test::WithRunLengthRows({5, 2, 4, {0, 0xFF, 0xFF00}, std::vector<std::uint32_t>(10, 0)},
                                {5, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1}));
    return seeds;
}

// Reads everything a caller can reach; the sanitizers see any stray read.
void Exercise(const PackedBitmap& b) {
    const auto& block = b.Block();
    auto pixels = b.PixelBytes();
    ASSERT_EQ(pixels.size(), b.RowStride() * static_cast<std::size_t>(b.Height()));
    // Rows held in the block end inside it; unpacked rows are held apart.
    if (!std::less<>()(pixels.data(), block.data()) &&
        std::less<>()(pixels.data(), block.data() + block.size())) {
        ASSERT_LE(pixels.data() + pixels.size(), block.data() + block.size());
    }
    ASSERT_EQ(b.ColourTable().size(), b.ColourCount());
    ASSERT_EQ(b.RgbPixels().size(), static_cast<std::size_t>(b.Width()) * b.Height());
    EXPECT_GE(b.HeaderSize(), 12u);
}

TEST(BitmapMutation, SeedsLoadAndTruncatedCopiesAreRefusedOrStayInside) {
    for (const auto& seed : Seeds()) {
        BitmapRefusal why = BitmapRefusal::None;
        auto whole = ParseBitmapFile(seed, &why);
        ASSERT_TRUE(whole) << static_cast<int>(why);
        Exercise(*whole);
        for (std::size_t length = 0; length < seed.size(); ++length) {
            std::vector<std::uint8_t> cut(seed.begin(), seed.begin() + static_cast<long>(length));
            EXPECT_FALSE(ParseBitmapFile(cut)) << length;
            // The same, with a file-size field that agrees with the cut.
            if (length >= 6) {
                test::Put32(cut, 2, static_cast<std::uint32_t>(length));
                if (auto b = ParseBitmapFile(cut))
                    Exercise(*b);
            }
        }
    }
}

TEST(BitmapMutation, MutatedCopiesNeverReadOutside) {
    test::TempFolder dir;
    std::mt19937 random(20261206);
    const std::uint32_t interesting[] = {0,          1,      0x7F,   0x80,       0xFF,
                                         0x7FFF,     0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000,
                                         0xFFFFFFFF, 12,     16,     40,         256};
    int loaded = 0, refused = 0, mutant = 0;
    for (const auto& seed : Seeds()) {
        for (int round = 0; round < 1200; ++round, ++mutant) {
            std::vector<std::uint8_t> file = seed;
            int changes = 1 + static_cast<int>(random() % 4);
            for (int c = 0; c < changes; ++c) {
                // Most changes land in the headers, where the sizes live.
                std::size_t span =
                    random() % 4 ? std::min<std::size_t>(70, file.size()) : file.size();
                std::size_t at = random() % span;
                if (random() % 2 && at + 4 <= file.size())
                    test::Put32(file, at, interesting[random() % std::size(interesting)]);
                else
                    file[at] = static_cast<std::uint8_t>(random());
            }
            if (random() % 8 == 0)
                file.resize(random() % file.size());
            std::optional<PackedBitmap> b;
            if (mutant % 8 == 0) {
                // A new file each time: rewriting one in place makes the
                // file system flush it to disk on every close.
                std::remove((dir / "m.bmp").c_str());
                test::WriteBytesTo(dir / "m.bmp", file);
                b = LoadPackedBitmap(dir / "m.bmp");
            } else {
                b = ParseBitmapFile(file);
            }
            if (b) {
                ++loaded;
                Exercise(*b);
            } else {
                ++refused;
            }
        }
    }
    // Both roads were taken often enough to mean something.
    EXPECT_GT(loaded, 500);
    EXPECT_GT(refused, 500);
}

// Run-length rows declared far larger than their data, with sizes changed
// and runs cut: each is refused or unpacks within the pixel limit.
TEST(BitmapMutation, LargeDeclaredRunLengthPicturesStayBounded) {
    std::mt19937 random(17);
    const std::int32_t sides[] = {32767, 16384, 4097, 4096, 2048, 512, 1};
    std::vector<std::uint8_t> runs;
    for (int row = 0; row < 64; ++row) {
        for (int run = 0; run < 16; ++run)
            runs.insert(runs.end(), {255, static_cast<std::uint8_t>(run)});
        runs.insert(runs.end(), {0, 0});
    }
    int loaded = 0;
    for (std::int32_t width : sides) {
        for (std::int32_t height : sides) {
            for (int round = 0; round < 6; ++round) {
                std::vector<std::uint8_t> data(
                    runs.begin(), runs.begin() + static_cast<long>(random() % runs.size()));
                auto file = test::WithRunLengthRows({2, 2, 8, {0, 0xFF}, {0, 1, 1, 0}}, data);
                test::Put32(file, 18, static_cast<std::uint32_t>(width));
                test::Put32(file, 22, static_cast<std::uint32_t>(height));
                if (round % 2)
                    file[54 + 8 + random() % (file.size() - 62)] =
                        static_cast<std::uint8_t>(random());
                auto b = ParseBitmapFile(file);
                if (!b)
                    continue;
                ++loaded;
                ASSERT_LE(std::int64_t{b->Width()} * b->Height(), kMaxPicturePixels);
                ASSERT_EQ(b->PixelBytes().size(), b->RowStride() * std::size_t(b->Height()));
            }
        }
    }
    EXPECT_GT(loaded, 0);
}

} // namespace
} // namespace zf
