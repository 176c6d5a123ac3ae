#pragma once

#include "program/user_interface.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zf {

// Why a bitmap file was not loaded.
enum class BitmapRefusal {
    None,
    CannotOpen,
    NotABitmap,    // shorter than the file header, or not "BM"
    BadFileSize,   // the file-size field is below the headers or absurdly large
    ShortRead,     // the file ends before its file-size field says
    BadHeaderSize, // information header of 13..15 or under 12 bytes, or past the end
    BadFormat,     // sizes, bit count, colour count or compression we cannot show
    BadLayout,     // colour table or pixel rows would lie past the end
    TooLarge,      // more pixels than any picture of a working area needs
};

// A bitmap file's contents after its 14-byte file header, exactly as stored:
// the information header (12-byte core form or 16 bytes and longer), the
// colour table and the pixel rows. Only checked blocks are ever made, so
// every accessor stays inside the block.
class PackedBitmap {
  public:
    static std::optional<PackedBitmap> FromBlock(std::vector<std::uint8_t> block,
                                                 BitmapRefusal* why = nullptr);

    const std::vector<std::uint8_t>& Block() const { return block_; }
    std::uint32_t HeaderSize() const;
    bool IsCoreHeader() const { return HeaderSize() == 12; }
    int Width() const { return width_; }
    // Rows of the picture; a top-down picture is stored with a negative
    // height, which TopDown reports.
    int Height() const { return height_; }
    bool TopDown() const { return topDown_; }
    int BitCount() const { return bitCount_; }
    std::uint32_t ColourCount() const { return colourCount_; }
    // Offset of the pixel rows in the block.
    std::size_t PixelOffset() const { return pixelOffset_; }
    // Bytes per stored row, padded to a multiple of 4.
    std::size_t RowStride() const { return stride_; }
    // The pixel rows as stored: bottom row first unless TopDown. Run-length
    // coded pictures give their rows unpacked.
    std::span<const std::uint8_t> PixelBytes() const;
    // The colour table as 0xFFRRGGBB values.
    std::vector<std::uint32_t> ColourTable() const;
    // Pixel (x, y), y counted from the top row, as 0xFFRRGGBB; an index past
    // the colour table gives black, as does a point outside the picture.
    std::uint32_t PixelRgb(int x, int y) const;
    // Every pixel as PixelRgb gives it, top row first.
    std::vector<std::uint32_t> RgbPixels() const;

  private:
    PackedBitmap() = default;
    const std::uint8_t* Rows() const;

    std::vector<std::uint8_t> block_;
    std::vector<std::uint8_t> unpacked_;
    int width_ = 0;
    int height_ = 0;
    bool topDown_ = false;
    int bitCount_ = 0;
    std::uint32_t colourCount_ = 0;
    std::size_t colourEntrySize_ = 4;
    std::size_t pixelOffset_ = 0;
    std::size_t stride_ = 0;
    std::uint32_t masks_[3] = {};
};

// The largest file-size field a bitmap file may claim.
inline constexpr std::uint32_t kMaxBitmapFileSize = 128u << 20;
// Pictures are at most this wide and high, so sizes fit the 16-bit forms.
inline constexpr int kMaxBitmapSide = 32767;
// A picture read or made holds at most this many pixels (16 megapixels, a
// photograph's worth): a small file must not make the program set aside
// gigabytes for its rows.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 24;
// True for a size from 1 x 1 up to both limits.
bool PictureSizeAllowed(std::int64_t width, std::int64_t height);

// Reads a bitmap file; nothing when it cannot be read or is not a picture we
// can show safely. `why` receives the reason.
std::optional<PackedBitmap> LoadPackedBitmap(const std::string& path, BitmapRefusal* why = nullptr);
// The same checks on a whole file already in memory.
std::optional<PackedBitmap> ParseBitmapFile(std::span<const std::uint8_t> file,
                                            BitmapRefusal* why = nullptr);

// 8-bit bitmap files as the program writes them: the headers and the
// application palette take 1078 bytes, then the rows, bottom row first.
inline constexpr std::size_t kBitmap8HeaderBytes = 1078;
std::size_t Bitmap8RowStride(int width);
// `indexes` holds width x height palette indexes, top row first.
std::vector<std::uint8_t> EncodeBitmap8(int width, int height,
                                        std::span<const std::uint8_t> indexes);
// Palette indexes for RGB pixels (top row first), each run of equal colour
// matched to the palette once.
std::vector<std::uint8_t> ReduceToAppPalette(std::span<const std::uint32_t> rgb);

// What SaveBitmapFile draws. The working area (mode 1) is drawn by the
// renderer, which hands its pixels to WriteBitmap8File.
enum SaveBitmapMode : int {
    kSaveWorkingArea = 1,
    kSaveWhite = 2,
    kSaveCircleTemplate = 3,
    kSaveTransparent = 4,
};
// The palette indexes of the pictures of modes 2 to 4 (empty for others):
// white; magenta with a black circle 3 pixels wide inside the frame;
// magenta, which is transparent wherever a picture is drawn.
std::vector<std::uint8_t> TemplatePixels(int width, int height, int mode);

// Writes an 8-bit file beside the target and renames it over the target;
// warns and gives false when the size is impossible or the write fails.
bool WriteBitmap8File(UserInterface& ui, const std::string& path, int width, int height,
                      std::span<const std::uint8_t> indexes);
// A new picture of mode 2, 3 or 4 for the paint program.
bool SaveBitmapFile(UserInterface& ui, const std::string& path, int width, int height, int mode);

} // namespace zf
