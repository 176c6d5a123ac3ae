#include "files/bitmap.h"

#include "files/byte_cursor.h"
#include "files/file_io.h"
#include "files/palette.h"
#include "files/paths.h"

#include <sys/stat.h>

#include <algorithm>
#include <new>

namespace zf {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;
constexpr std::size_t kReadPiece = 32768;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitFields = 3;
// Run-length rows may unpack to at most this many times their stored size
// (plain runs reach about 120), so a small file cannot claim a huge picture.
constexpr std::uint64_t kMaxRunLengthRatio = 128;

std::uint16_t U16At(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t U32At(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint32_t Opaque(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return 0xFF000000u | static_cast<std::uint32_t>(red) << 16 |
           static_cast<std::uint32_t>(green) << 8 | blue;
}

// One channel of a bit-field pixel scaled to 0..255.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    std::uint64_t max = mask >> shift;
    std::uint64_t value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(value * 255 / max);
}

bool Refuse(BitmapRefusal* why, BitmapRefusal reason) {
    if (why)
        *why = reason;
    return false;
}

// Checks the 14-byte file header against the bytes that follow it and gives
// the size of the packed block it announces.
bool CheckFileHeader(const std::uint8_t* header, std::uint64_t following, std::size_t* blockSize,
                     BitmapRefusal* why) {
    if (header[0] != 'B' || header[1] != 'M')
        return Refuse(why, BitmapRefusal::NotABitmap);
    std::uint32_t fileSize = U32At(header + 2);
    if (fileSize < kFileHeaderBytes + kCoreHeaderBytes || fileSize > kMaxBitmapFileSize)
        return Refuse(why, BitmapRefusal::BadFileSize);
    *blockSize = fileSize - kFileHeaderBytes;
    if (following < *blockSize)
        return Refuse(why, BitmapRefusal::ShortRead);
    return true;
}

bool ValidBitCount(int bits, bool core) {
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return !core;
    default:
        return false;
    }
}

// Unpacks run-length coded rows (bottom row first) into padded rows of
// `bits` (8 or 4) bits per pixel. Pixels the codes never reach stay 0, and
// codes that run past the picture or the data end the unpacking there.
std::vector<std::uint8_t> UnpackRunLength(std::span<const std::uint8_t> data, int bits, int width,
                                          int height, std::size_t stride) {
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height), 0);
    std::int64_t x = 0, y = 0;
    auto put = [&](std::uint8_t index) {
        if (x < width && y < height) {
            std::uint8_t* row = rows.data() + static_cast<std::size_t>(y) * stride;
            auto ux = static_cast<std::size_t>(x);
            if (bits == 8)
                row[ux] = index;
            else
                row[ux / 2] |= static_cast<std::uint8_t>((index & 15) << (ux % 2 ? 0 : 4));
        }
        ++x;
    };
    auto nibble = [bits](std::uint8_t byte, int i) {
        return bits == 8 ? byte : static_cast<std::uint8_t>(i % 2 ? byte & 15 : byte >> 4);
    };
    std::size_t pos = 0;
    while (pos + 2 <= data.size() && y < height) {
        std::uint8_t count = data[pos], code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(nibble(code, i));
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (pos + 2 > data.size())
                break;
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
        } else {
            // Literal pixels, padded to a whole number of 16-bit words.
            std::size_t bytes = bits == 8 ? code : (code + 1u) / 2;
            std::size_t padded = (bytes + 1) & ~std::size_t{1};
            if (pos + bytes > data.size())
                break;
            for (int i = 0; i < code; ++i)
                put(nibble(data[pos + static_cast<std::size_t>(bits == 8 ? i : i / 2)], i));
            pos += padded;
        }
    }
    return rows;
}

} // namespace

std::optional<PackedBitmap> PackedBitmap::FromBlock(std::vector<std::uint8_t> block,
                                                    BitmapRefusal* why) {
    PackedBitmap b;
    if (block.size() < 4) {
        Refuse(why, BitmapRefusal::BadHeaderSize);
        return std::nullopt;
    }
    const std::uint8_t* h = block.data();
    std::uint32_t headerSize = U32At(h);
    if (headerSize < kCoreHeaderBytes || (headerSize > kCoreHeaderBytes && headerSize < 16) ||
        headerSize > block.size()) {
        Refuse(why, BitmapRefusal::BadHeaderSize);
        return std::nullopt;
    }
    std::int64_t width, height;
    std::uint32_t compression = kCompressionNone;
    std::uint64_t tableOffset = headerSize;
    if (headerSize == kCoreHeaderBytes) {
        width = U16At(h + 4);
        height = U16At(h + 6);
        b.bitCount_ = U16At(h + 10);
        b.colourCount_ = b.bitCount_ <= 8 ? 1u << b.bitCount_ : 0;
        b.colourEntrySize_ = 3;
    } else {
        width = static_cast<std::int32_t>(U32At(h + 4));
        height = static_cast<std::int32_t>(U32At(h + 8));
        b.bitCount_ = U16At(h + 14);
        if (headerSize >= 20)
            compression = U32At(h + 16);
        std::uint32_t used = headerSize >= 36 ? U32At(h + 32) : 0;
        b.colourCount_ = used != 0 ? used : b.bitCount_ < 9 ? 1u << (b.bitCount_ & 15) : 0;
    }
    if (height < 0) {
        b.topDown_ = true;
        height = -height;
    }
    // Run-length rows are only ever stored bottom row first.
    bool runLength = !b.topDown_ && ((compression == kCompressionRle8 && b.bitCount_ == 8) ||
                                     (compression == kCompressionRle4 && b.bitCount_ == 4));
    bool core = headerSize == kCoreHeaderBytes;
    bool indexed = b.bitCount_ <= 8;
    if (width < 1 || width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide ||
        !ValidBitCount(b.bitCount_, core) || b.colourCount_ > 256 ||
        (indexed && b.colourCount_ > (1u << b.bitCount_))) {
        Refuse(why, BitmapRefusal::BadFormat);
        return std::nullopt;
    }
    if (width * height > kMaxPicturePixels) {
        Refuse(why, BitmapRefusal::TooLarge);
        return std::nullopt;
    }
    if (b.bitCount_ == 16)
        b.masks_[0] = 0x7C00, b.masks_[1] = 0x03E0, b.masks_[2] = 0x001F;
    else if (b.bitCount_ == 32)
        b.masks_[0] = 0xFF0000, b.masks_[1] = 0xFF00, b.masks_[2] = 0xFF;
    if (compression == kCompressionBitFields && (b.bitCount_ == 16 || b.bitCount_ == 32) &&
        (headerSize == 40 || (headerSize >= 52 && headerSize != 64))) {
        // A 40-byte header has its three masks after it; longer ones hold them.
        if (headerSize == 40)
            tableOffset += 12;
        if (block.size() < 52) {
            Refuse(why, BitmapRefusal::BadLayout);
            return std::nullopt;
        }
        for (int i = 0; i < 3; ++i)
            b.masks_[i] = U32At(h + 40 + 4 * i);
    } else if (compression != kCompressionNone && !runLength) {
        Refuse(why, BitmapRefusal::BadFormat);
        return std::nullopt;
    }
    std::uint64_t pixelOffset = tableOffset + std::uint64_t{b.colourCount_} * b.colourEntrySize_;
    std::uint64_t stride = (static_cast<std::uint64_t>(width) * b.bitCount_ + 31) / 32 * 4;
    std::uint64_t rowBytes = stride * static_cast<std::uint64_t>(height);
    bool fits = runLength ? pixelOffset <= block.size() &&
                                rowBytes <= (block.size() - pixelOffset) * kMaxRunLengthRatio + 4096
                          : pixelOffset + rowBytes <= block.size();
    if (!fits) {
        Refuse(why, BitmapRefusal::BadLayout);
        return std::nullopt;
    }
    b.width_ = static_cast<int>(width);
    b.height_ = static_cast<int>(height);
    b.pixelOffset_ = static_cast<std::size_t>(pixelOffset);
    b.stride_ = static_cast<std::size_t>(stride);
    if (runLength)
        b.unpacked_ = UnpackRunLength(std::span(block).subspan(b.pixelOffset_), b.bitCount_,
                                      b.width_, b.height_, b.stride_);
    b.block_ = std::move(block);
    if (why)
        *why = BitmapRefusal::None;
    return b;
}

std::uint32_t PackedBitmap::HeaderSize() const {
    return U32At(block_.data());
}

const std::uint8_t* PackedBitmap::Rows() const {
    return unpacked_.empty() ? block_.data() + pixelOffset_ : unpacked_.data();
}

std::span<const std::uint8_t> PackedBitmap::PixelBytes() const {
    return {Rows(), stride_ * static_cast<std::size_t>(height_)};
}

std::vector<std::uint32_t> PackedBitmap::ColourTable() const {
    std::vector<std::uint32_t> table;
    const std::uint8_t* entry = block_.data() + pixelOffset_ - colourCount_ * colourEntrySize_;
    for (std::uint32_t i = 0; i < colourCount_; ++i, entry += colourEntrySize_)
        table.push_back(Opaque(entry[2], entry[1], entry[0]));
    return table;
}

std::uint32_t PackedBitmap::PixelRgb(int x, int y) const {
    const std::uint32_t black = Opaque(0, 0, 0);
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        return black;
    int row = topDown_ ? y : height_ - 1 - y;
    const std::uint8_t* p = Rows() + static_cast<std::size_t>(row) * stride_;
    std::size_t ux = static_cast<std::size_t>(x);
    std::uint32_t index;
    switch (bitCount_) {
    case 1:
        index = (p[ux / 8] >> (7 - ux % 8)) & 1u;
        break;
    case 4:
        index = (p[ux / 2] >> (ux % 2 ? 0 : 4)) & 15u;
        break;
    case 8:
        index = p[ux];
        break;
    case 24:
        return Opaque(p[3 * ux + 2], p[3 * ux + 1], p[3 * ux]);
    default: {
        std::uint32_t v = bitCount_ == 16 ? U16At(p + 2 * ux) : U32At(p + 4 * ux);
        return Opaque(Channel(v, masks_[0]), Channel(v, masks_[1]), Channel(v, masks_[2]));
    }
    }
    if (index >= colourCount_)
        return black;
    const std::uint8_t* entry =
        block_.data() + pixelOffset_ - (colourCount_ - index) * colourEntrySize_;
    return Opaque(entry[2], entry[1], entry[0]);
}

std::vector<std::uint32_t> PackedBitmap::RgbPixels() const {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            pixels.push_back(PixelRgb(x, y));
    return pixels;
}

std::optional<PackedBitmap> LoadPackedBitmap(const std::string& path, BitmapRefusal* why) {
    FileHandle file = OpenFileForReading(ResolvePath(path));
    if (!file.valid()) {
        Refuse(why, BitmapRefusal::CannotOpen);
        return std::nullopt;
    }
    std::uint8_t header[kFileHeaderBytes];
    std::size_t got = 0;
    for (std::size_t n = 0; got < kFileHeaderBytes; got += n)
        if (!ReadBytes(file, header + got, kFileHeaderBytes - got, &n))
            break;
    struct stat st {};
    std::size_t size = 0;
    bool ok =
        got == kFileHeaderBytes ? fstat(file.fd, &st) == 0 : Refuse(why, BitmapRefusal::NotABitmap);
    // The file's real length is checked before any memory is set aside.
    ok = ok && CheckFileHeader(header, static_cast<std::uint64_t>(st.st_size) - kFileHeaderBytes,
                               &size, why);
    std::vector<std::uint8_t> block;
    if (ok) {
        block.resize(size);
        for (std::size_t done = 0, n = 0; ok && done < size; done += n)
            ok = ReadBytes(file, block.data() + done, std::min(kReadPiece, size - done), &n) ||
                 Refuse(why, BitmapRefusal::ShortRead);
    }
    CloseFile(file);
    if (!ok)
        return std::nullopt;
    return PackedBitmap::FromBlock(std::move(block), why);
}

std::optional<PackedBitmap> ParseBitmapFile(std::span<const std::uint8_t> file,
                                            BitmapRefusal* why) {
    std::size_t size = 0;
    if (file.size() < kFileHeaderBytes) {
        Refuse(why, BitmapRefusal::NotABitmap);
        return std::nullopt;
    }
    if (!CheckFileHeader(file.data(), file.size() - kFileHeaderBytes, &size, why))
        return std::nullopt;
    auto rest = file.subspan(kFileHeaderBytes, size);
    return PackedBitmap::FromBlock(std::vector<std::uint8_t>(rest.begin(), rest.end()), why);
}

bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           width * height <= kMaxPicturePixels;
}

std::size_t Bitmap8RowStride(int width) {
    return (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
}

std::vector<std::uint8_t> EncodeBitmap8(int width, int height,
                                        std::span<const std::uint8_t> indexes) {
    std::vector<std::uint8_t> file;
    if (width < 1 || height < 1 ||
        indexes.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return file;
    std::size_t stride = Bitmap8RowStride(width);
    auto imageSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height));
    file.reserve(kBitmap8HeaderBytes + imageSize);
    ByteWriter out(file);
    out.U8('B');
    out.U8('M');
    out.U32(imageSize + static_cast<std::uint32_t>(kBitmap8HeaderBytes));
    out.U16(0);
    out.U16(0);
    out.U32(static_cast<std::uint32_t>(kBitmap8HeaderBytes));
    out.U32(40);
    out.I32(width);
    out.I32(height);
    out.U16(1);
    out.U16(8);
    out.U32(kCompressionNone);
    out.U32(imageSize);
    out.Zeros(16);
    for (const PaletteEntry& e : AppPalette()) {
        out.U8(e.blue);
        out.U8(e.green);
        out.U8(e.red);
        out.U8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        out.Bytes(indexes.subspan(static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                                  static_cast<std::size_t>(width)));
        out.Zeros(stride - static_cast<std::size_t>(width));
    }
    return file;
}

std::vector<std::uint8_t> ReduceToAppPalette(std::span<const std::uint32_t> rgb) {
    std::vector<std::uint8_t> indexes(rgb.size());
    std::uint32_t runColour = 0;
    std::uint8_t runIndex = 0;
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        std::uint32_t colour = rgb[i] & 0xFFFFFFu;
        if (i == 0 || colour != runColour) {
            runColour = colour;
            runIndex = static_cast<std::uint8_t>(NearestPaletteIndex(colour));
        }
        indexes[i] = runIndex;
    }
    return indexes;
}

std::vector<std::uint8_t> TemplatePixels(int width, int height, int mode) {
    if (width < 1 || height < 1 || mode < kSaveWhite || mode > kSaveTransparent)
        return {};
    std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (mode == kSaveWhite)
        return std::vector<std::uint8_t>(count, kPaletteWhite);
    std::vector<std::uint8_t> pixels(count, kPaletteMagenta);
    if (mode == kSaveTransparent)
        return pixels;
    // The outline lies inside the frame: between the ellipse touching the
    // frame and one 3 pixels smaller all round.
    double a = width / 2.0, b = height / 2.0, ai = a - 3, bi = b - 3;
    for (int y = 0; y < height; ++y) {
        double dy = y + 0.5 - b;
        for (int x = 0; x < width; ++x) {
            double dx = x + 0.5 - a;
            bool outer = (dx / a) * (dx / a) + (dy / b) * (dy / b) <= 1.0;
            bool inner = ai > 0 && bi > 0 && (dx / ai) * (dx / ai) + (dy / bi) * (dy / bi) < 1.0;
            if (outer && !inner)
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] = kPaletteBlack;
        }
    }
    return pixels;
}

bool WriteBitmap8File(UserInterface& ui, const std::string& path, int width, int height,
                      std::span<const std::uint8_t> indexes) {
    if (!PictureSizeAllowed(width, height)) {
        Warn(ui, TextId::NoMemoryForPaintBitmap);
        return false;
    }
    std::vector<std::uint8_t> file;
    try {
        file = EncodeBitmap8(width, height, indexes);
    } catch (const std::bad_alloc&) {
        Warn(ui, TextId::NoMemoryToSaveBitmap);
        return false;
    }
    if (file.empty()) {
        Warn(ui, TextId::NoMemoryToSaveBitmap);
        return false;
    }
    if (!WriteFileAtomically(ResolvePath(path), file)) {
        Warn(ui, TextId::FileOpenError);
        return false;
    }
    return true;
}

bool SaveBitmapFile(UserInterface& ui, const std::string& path, int width, int height, int mode) {
    if (mode < kSaveWhite || mode > kSaveTransparent)
        return false;
    if (!PictureSizeAllowed(width, height)) {
        Warn(ui, TextId::NoMemoryForPaintBitmap);
        return false;
    }
    std::vector<std::uint8_t> pixels;
    try {
        pixels = TemplatePixels(width, height, mode);
    } catch (const std::bad_alloc&) {
        Warn(ui, TextId::NoMemoryForPaintBitmap);
        return false;
    }
    return WriteBitmap8File(ui, path, width, height, pixels);
}

} // namespace zf
