#include "files/bitmap.h"

#include "bitmap_test_support.h"
#include "file_test_support.h"
#include "files/palette.h"
#include "files/paths.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

using test::TempFolder;
using test::TestPicture;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF,
                        kMagenta = 0xFF00FF, kBlack = 0x000000, kTeal = 0x008080;

std::uint32_t Opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

TEST(AppPalette, KeepsTheSystemColoursAtBothEndsAndFindsTheNearest) {
    const std::uint32_t low[10] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                                   0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0};
    const std::uint32_t high[10] = {0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
                                    0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    auto rgb = [](const PaletteEntry& e) {
        return static_cast<std::uint32_t>(e.red << 16 | e.green << 8 | e.blue);
    };
    const Palette& palette = AppPalette();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(rgb(palette[static_cast<std::size_t>(i)]), low[i]) << "entry " << i;
        EXPECT_EQ(rgb(palette[static_cast<std::size_t>(246 + i)]), high[i]) << "entry " << 246 + i;
    }
    // Pure colours keep their system index.
    EXPECT_EQ(std::tuple(NearestPaletteIndex(kMagenta), NearestPaletteIndex(kWhite),
                         NearestPaletteIndex(kBlack), NearestPaletteIndex(kRed)),
              std::tuple(kPaletteMagenta, kPaletteWhite, kPaletteBlack, kPaletteRed));
    // Where the cube repeats a system colour, the system's index wins.
    EXPECT_EQ(NearestPaletteIndex(1, 1, 1), kPaletteBlack);
    // A colour between entries goes to the closest one.
    const PaletteEntry& near =
        AppPalette()[static_cast<std::size_t>(NearestPaletteIndex(250, 5, 3))];
    EXPECT_EQ(near, (PaletteEntry{255, 0, 0, 0}));
}

TEST(BitmapTemplates, WhiteMagentaAndTheCircle) {
    auto white = TemplatePixels(4, 3, kSaveWhite);
    EXPECT_EQ(white, std::vector<std::uint8_t>(12, kPaletteWhite));
    auto clear = TemplatePixels(4, 3, kSaveTransparent);
    EXPECT_EQ(clear, std::vector<std::uint8_t>(12, kPaletteMagenta));

    auto circle = TemplatePixels(100, 100, kSaveCircleTemplate);
    auto at = [&](int x, int y) { return circle[static_cast<std::size_t>(y * 100 + x)]; };
    EXPECT_EQ(std::tuple(at(0, 0), at(99, 99), at(50, 50)),
              std::tuple(kPaletteMagenta, kPaletteMagenta, kPaletteMagenta));
    // The outline touches the frame and is 3 pixels wide.
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(std::tuple(at(x, 50), at(99 - x, 50), at(50, x)),
                  std::tuple(kPaletteBlack, kPaletteBlack, kPaletteBlack));
    }
    EXPECT_EQ(
        std::tuple(at(3, 50), TemplatePixels(10, 10, kSaveWorkingArea).empty(),
                   PictureSizeAllowed(kMaxBitmapSide, 1) && PictureSizeAllowed(1, kMaxBitmapSide)),
        std::tuple(kPaletteMagenta, true, true));
}

class SavingBitmaps : public ::testing::Test {
  protected:
    TempFolder dir;
    test::Recorder ui;
};

TEST_F(SavingBitmaps, TemplatesSaveAndFailuresSaySoLeavingTheOldFile) {
    ASSERT_TRUE(SaveBitmapFile(ui, dir / "untitled.bmp", 100, 100, kSaveCircleTemplate));
    auto bitmap = LoadPackedBitmap(dir / "untitled.bmp");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(std::tuple(bitmap->BitCount(), bitmap->PixelRgb(1, 50), ui.messages.empty()),
              std::tuple(8, Opaque(kBlack), true));

    EXPECT_FALSE(SaveBitmapFile(ui, dir / "none/x.bmp", 10, 10, kSaveWhite));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::FileOpenError));

    test::WriteBytesTo(dir / "old.bmp", {1, 2, 3});
    EXPECT_FALSE(WriteBitmap8File(ui, dir / "old.bmp", 10, 10, std::vector<std::uint8_t>(99)));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::NoMemoryToSaveBitmap));
    EXPECT_EQ(test::BytesOf(dir / "old.bmp"), (std::vector<std::uint8_t>{1, 2, 3}));

    EXPECT_FALSE(SaveBitmapFile(ui, dir / "x.bmp", 0, 10, kSaveWhite));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::NoMemoryForPaintBitmap));
    EXPECT_FALSE(WriteBitmap8File(ui, dir / "x.bmp", 0, 10, {}));
    EXPECT_EQ(ui.lastWarning(), Text(TextId::NoMemoryForPaintBitmap));
    // A template the program never offers is refused without a word.
    const std::size_t shown = ui.messages.size();
    EXPECT_FALSE(SaveBitmapFile(ui, dir / "x.bmp", 10, 10, kSaveTransparent + 1));
    EXPECT_EQ(ui.messages.size(), shown);
    EXPECT_FALSE(PathExists(dir / "x.bmp"));
}

// Pictures of every depth are loaded, reduced to the application palette,
// saved as 8-bit files and loaded again with the same colours.
TEST_F(SavingBitmaps, RoundTripsKeepEveryColour) {
    TestPicture core{3, 2, 4, {kRed, kGreen, kBlue, kTeal, kWhite, kMagenta}, {0, 1, 2, 3, 4, 5}};
    core.table.resize(16, kBlack);
    core.core = true;
    const TestPicture pictures[] = {
        {9, 2, 1, {kBlack, kWhite}, {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0}},
        {5, 2, 4, {kRed, kGreen, kBlue, kTeal}, {0, 1, 2, 3, 0, 3, 3, 2, 1, 0}},
        core,
        {6, 2, 8, {kWhite, kMagenta, kTeal}, {2, 1, 0, 0, 1, 2, 1, 1, 1, 2, 2, 2}},
        {3, 2, 24, {}, {kRed, kGreen, kBlue, kWhite, kBlack, kMagenta}},
        {3, 2, 32, {}, {kRed, kGreen, kBlue, kWhite, kBlack, kMagenta}},
    };
    for (const TestPicture& picture : pictures) {
        SCOPED_TRACE(picture.bits);
        test::WriteBytesTo(dir / "in.bmp", test::BuildBitmapFile(picture));
        auto in = LoadPackedBitmap(dir / "in.bmp");
        ASSERT_TRUE(in);
        EXPECT_EQ(in->BitCount(), picture.bits);
        std::vector<std::uint32_t> pixels = in->RgbPixels();
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            std::uint32_t v = picture.values[i];
            EXPECT_EQ(pixels[i], Opaque(picture.bits <= 8 ? picture.table.at(v) : v))
                << "pixel " << i;
        }
        ASSERT_TRUE(WriteBitmap8File(ui, dir / "out.bmp", picture.width, picture.height,
                                     ReduceToAppPalette(pixels)));
        auto out = LoadPackedBitmap(dir / "out.bmp");
        ASSERT_TRUE(out);
        EXPECT_EQ(out->BitCount(), 8);
        EXPECT_EQ(out->RgbPixels(), pixels);
    }
}

TEST(LoadingBitmaps, TopDownAndBitFieldPictures) {
    auto file = test::BuildBitmapFile({1, 2, 24, {}, {kRed, kBlue}});
    test::Put32(file, 22, static_cast<std::uint32_t>(-2));
    auto topDown = ParseBitmapFile(file);
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->ColourCount(), 0u); // 24 bits have no colour table
    EXPECT_EQ(topDown->PixelOffset(), 40u);
    EXPECT_EQ(topDown->Height(), 2);
    EXPECT_EQ(topDown->PixelRgb(0, 0), Opaque(kBlue)); // the first stored row

    // 16 bits in 5-6-5 form, the masks after the header.
    file = test::BuildBitmapFile({2, 1, 24, {}, {0, 0}});
    test::Put16(file, 28, 16);
    test::Put32(file, 30, 3);
    file.insert(file.begin() + 54, {0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0});
    test::Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    test::Put16(file, 66, 0xF800);
    test::Put16(file, 68, 0x07FF);
    auto fields = ParseBitmapFile(file);
    ASSERT_TRUE(fields);
    EXPECT_EQ(std::tuple(fields->PixelOffset(), fields->PixelRgb(0, 0), fields->PixelRgb(1, 0)),
              std::tuple(52u, Opaque(kRed), Opaque(0x00FFFF)));
    // A 52-byte header holds the same masks itself.
    test::Put32(file, 14, 52);
    fields = ParseBitmapFile(file);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->PixelRgb(0, 0), Opaque(kRed));
    EXPECT_EQ(fields->PixelRgb(1, 0), Opaque(0x00FFFF));
    // The shortest later header, of 16 bytes, holds sizes and depth alone.
    file = test::BuildBitmapFile({2, 1, 24, {}, {kRed, kBlue}});
    file.erase(file.begin() + 30, file.begin() + 54);
    test::Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    test::Put32(file, 14, 16);
    const auto brief = ParseBitmapFile(file);
    ASSERT_TRUE(brief);
    EXPECT_EQ(brief->RgbPixels(), (std::vector<std::uint32_t>{Opaque(kRed), Opaque(kBlue)}));
}

TEST(LoadingBitmaps, RunLengthRowsAreUnpacked) {
    TestPicture picture{4, 3, 8, {kBlack, kRed, kBlue}, std::vector<std::uint32_t>(12, 0)};
    // A run and end of row; a literal of 3 (its pad byte skipped, whatever
    // it holds) and end of row; a move right, a run, the end.
    auto bitmap = ParseBitmapFile(test::WithRunLengthRows(
        picture, {3, 1, 0, 0, 0, 3, 2, 1, 2, 1, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1}));
    ASSERT_TRUE(bitmap);
    const std::uint32_t k = Opaque(kBlack), r = Opaque(kRed), b = Opaque(kBlue);
    EXPECT_EQ(bitmap->RgbPixels(),
              (std::vector<std::uint32_t>{k, b, b, k, b, r, b, k, r, r, r, k}));
    EXPECT_EQ(bitmap->PixelBytes().size(), 12u);
    // No codes at all leave the picture blank.
    bitmap = ParseBitmapFile(test::WithRunLengthRows(picture, {}));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->RgbPixels(), std::vector<std::uint32_t>(12, k));
    // Codes that stop without their end mark keep their last run, cut at
    // the row's end, and nothing after the file's last byte is read.
    picture = {4, 2, 8, {kBlack, kRed, kBlue}, std::vector<std::uint32_t>(8, 0)};
    std::vector<std::uint8_t> file = test::WithRunLengthRows(picture, {5, 1});
    const std::size_t size = file.size();
    file.insert(file.end(), {2, 2, 2, 2});
    bitmap = ParseBitmapFile(std::span<const std::uint8_t>(file).first(size));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->RgbPixels(), (std::vector<std::uint32_t>{k, k, k, k, r, r, r, r}));
    // A literal that ends the file, even without its pad byte, is drawn.
    picture = {4, 1, 8, {kBlack, kRed, kBlue}, std::vector<std::uint32_t>(4, 0)};
    bitmap = ParseBitmapFile(test::WithRunLengthRows(picture, {0, 3, 2, 1, 2}));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->RgbPixels(), (std::vector<std::uint32_t>{b, r, b, k}));

    // Four bits: runs alternate their two nibbles.
    picture = {7, 1, 4, {kBlack, kRed, kBlue, kWhite}, std::vector<std::uint32_t>(7, 0)};
    bitmap = ParseBitmapFile(test::WithRunLengthRows(picture, {4, 0x12, 0, 3, 0x30, 0x20, 0, 1}));
    ASSERT_TRUE(bitmap);
    const std::uint32_t w = Opaque(kWhite);
    EXPECT_EQ(bitmap->RgbPixels(), (std::vector<std::uint32_t>{r, b, r, b, w, k, b}));
}

struct Refusal {
    const char* what;
    void (*spoil)(std::vector<std::uint8_t>&);
    BitmapRefusal reason;
};

// A good 4 x 2, 8-bit picture with a 2-colour table, spoiled one way each.
const Refusal kRefusals[] = {
    {"shorter than the file header", [](auto& f) { f.resize(13); }, BitmapRefusal::NotABitmap},
    {"only the file header", [](auto& f) { f.resize(14); }, BitmapRefusal::ShortRead},
    {"another type", [](auto& f) { f[1] = 'A'; }, BitmapRefusal::NotABitmap},
    {"file size below the headers", [](auto& f) { test::Put32(f, 2, 25); },
     BitmapRefusal::BadFileSize},
    {"file size of a core header alone", [](auto& f) { test::Put32(f, 2, 26); },
     BitmapRefusal::BadHeaderSize},
    {"absurd file size", [](auto& f) { test::Put32(f, 2, 0xFFFFFFF0u); },
     BitmapRefusal::BadFileSize},
    {"file shorter than it claims", [](auto& f) { f.pop_back(); }, BitmapRefusal::ShortRead},
    {"header of 14 bytes", [](auto& f) { test::Put32(f, 14, 14); }, BitmapRefusal::BadHeaderSize},
    {"header of 11 bytes", [](auto& f) { test::Put32(f, 14, 11); }, BitmapRefusal::BadHeaderSize},
    {"header past the end", [](auto& f) { test::Put32(f, 14, 5000); },
     BitmapRefusal::BadHeaderSize},
    {"zero width", [](auto& f) { test::Put32(f, 18, 0); }, BitmapRefusal::BadFormat},
    {"huge width", [](auto& f) { test::Put32(f, 18, 40000); }, BitmapRefusal::BadFormat},
    {"zero height", [](auto& f) { test::Put32(f, 22, 0); }, BitmapRefusal::BadFormat},
    {"bit count 7", [](auto& f) { test::Put16(f, 28, 7); }, BitmapRefusal::BadFormat},
    {"embedded picture", [](auto& f) { test::Put32(f, 30, 4); }, BitmapRefusal::BadFormat},
    {"run-length of 4 bits on 8", [](auto& f) { test::Put32(f, 30, 2); }, BitmapRefusal::BadFormat},
    {"run-length top-down",
     [](auto& f) {
         test::Put32(f, 30, 1);
         test::Put32(f, 22, static_cast<std::uint32_t>(-2));
     },
     BitmapRefusal::BadFormat},
    {"run-length claiming a huge picture",
     [](auto& f) {
         test::Put32(f, 30, 1);
         test::Put32(f, 18, 4000);
         test::Put32(f, 22, 4000);
     },
     BitmapRefusal::BadLayout},
    {"more pixels than any picture needs",
     [](auto& f) {
         test::Put32(f, 30, 1);
         test::Put32(f, 18, 32767);
         test::Put32(f, 22, 32767);
     },
     BitmapRefusal::TooLarge},
    {"more colours than 8 bits hold", [](auto& f) { test::Put32(f, 46, 257); },
     BitmapRefusal::BadFormat},
    {"rows past the end", [](auto& f) { test::Put32(f, 22, 3); }, BitmapRefusal::BadLayout},
    {"table past the end", [](auto& f) { test::Put32(f, 46, 200); }, BitmapRefusal::BadLayout},
    {"bit fields in a 64-byte header",
     [](auto& f) {
         f.resize(f.size() + 64);
         test::Put32(f, 2, static_cast<std::uint32_t>(f.size()));
         test::Put32(f, 14, 64);
         test::Put16(f, 28, 32);
         test::Put32(f, 30, 3);
     },
     BitmapRefusal::BadFormat},
    {"the headers alone",
     [](auto& f) {
         f.resize(54);
         test::Put32(f, 2, 54);
     },
     BitmapRefusal::BadLayout},
};

TEST(LoadingBitmaps, RefusesEveryBadFile) {
    TempFolder dir;
    const auto good = test::BuildBitmapFile({4, 2, 8, {kWhite, kBlack}, {0, 1, 0, 1, 2, 0, 1, 0}});
    // Outside the picture, and an index beyond the colour table, read as black.
    const auto sound = ParseBitmapFile(good);
    ASSERT_TRUE(sound);
    EXPECT_EQ(std::tuple(sound->PixelRgb(0, 0), sound->PixelRgb(4, 1), sound->PixelRgb(0, 2),
                         sound->PixelRgb(0, 1)),
              std::tuple(Opaque(kWhite), Opaque(kBlack), Opaque(kBlack), Opaque(kBlack)));
    for (const Refusal& r : kRefusals) {
        auto file = good;
        r.spoil(file);
        test::WriteBytesTo(dir / "bad.bmp", file);
        BitmapRefusal why = BitmapRefusal::None;
        EXPECT_FALSE(LoadPackedBitmap(dir / "bad.bmp", &why)) << r.what;
        EXPECT_EQ(why, r.reason) << r.what;
        EXPECT_FALSE(ParseBitmapFile(file, &why)) << r.what;
        EXPECT_EQ(why, r.reason) << r.what;
    }
    BitmapRefusal why = BitmapRefusal::None;
    EXPECT_FALSE(LoadPackedBitmap(dir / "missing.bmp", &why));
    EXPECT_EQ(why, BitmapRefusal::CannotOpen);
    EXPECT_FALSE(LoadPackedBitmap(dir.path(), &why));
    EXPECT_EQ(why, BitmapRefusal::CannotOpen);

    // The largest picture allowed loads; one row more is refused.
    auto largest =
        test::BuildBitmapFile({4096, 1, 1, {kBlack, kWhite}, std::vector<std::uint32_t>(4096)});
    for (std::uint32_t rows : {4096u, 4097u}) {
        test::Put32(largest, 22, rows);
        largest.resize(62 + 512 * rows);
        test::Put32(largest, 2, static_cast<std::uint32_t>(largest.size()));
        EXPECT_EQ(ParseBitmapFile(largest, &why).has_value(), rows == 4096) << rows;
    }
    EXPECT_EQ(why, BitmapRefusal::TooLarge);
}

} // namespace
} // namespace zf
