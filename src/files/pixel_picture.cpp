#include "files/pixel_picture.h"

#include <algorithm>
#include <cmath>

namespace zf {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Source columns for `out` target pixels from `in`: 16.16 fixed-point steps
// from the middle of the first pixel, as screens scale pictures.
std::vector<int> NearestIndices(int in, int out) {
    std::vector<int> index(static_cast<std::size_t>(out));
    const auto stepping = static_cast<std::uint32_t>(0x10000 / (static_cast<double>(out) / in));
    std::uint32_t at = stepping / 2 - 1;
    for (int i = 0; i < out; ++i, at += stepping)
        index[static_cast<std::size_t>(i)] = std::min(static_cast<int>(at >> 16), in - 1);
    return index;
}

} // namespace

PixelPicture::PixelPicture(int w, int h, std::uint32_t fill)
    : width(std::max(0, w)), height(std::max(0, h)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

PixelPicture PixelsOfBitmap(const PackedBitmap& bitmap) {
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    if (w < 1 || h < 1)
        return {};
    PixelPicture picture(w, h);
    const std::span<const std::uint8_t> bytes = bitmap.PixelBytes();
    const std::size_t stride = bitmap.RowStride();
    const int bits = bitmap.BitCount();
    std::vector<std::uint32_t> table = bitmap.ColourTable();
    // An index past the table reads as black, as the loader answers.
    table.resize(256, 0xFF000000u);
    for (int y = 0; y < h; ++y) {
        const std::size_t stored = static_cast<std::size_t>(bitmap.TopDown() ? y : h - 1 - y);
        const std::uint8_t* src = bytes.data() + stored * stride;
        std::uint32_t* dst = &picture.At(0, y);
        if (bits == 8) {
            for (int x = 0; x < w; ++x)
                dst[x] = table[src[x]];
        } else if (bits == 24) {
            for (int x = 0; x < w; ++x, src += 3)
                dst[x] =
                    0xFF000000u | std::uint32_t{src[2]} << 16 | std::uint32_t{src[1]} << 8 | src[0];
        } else {
            for (int x = 0; x < w; ++x)
                dst[x] = bitmap.PixelRgb(x, y);
        }
    }
    return picture;
}

PixelBox FittedBox(int pw, int ph, int cx, int cy, int w, int h) {
    if (pw < 1 || ph < 1)
        return {};
    const double scale = std::min(static_cast<double>(w) / pw, static_cast<double>(h) / ph);
    const int dw = static_cast<int>(pw * scale);
    const int dh = static_cast<int>(ph * scale);
    return {static_cast<int>(cx - (dw + 0.5) / 2), static_cast<int>(cy - (dh + 0.5) / 2), dw, dh};
}

PixelPicture Stretched(const PixelPicture& picture, int w, int h, bool mirrorX, bool mirrorY) {
    if (picture.Empty() || w < 1 || h < 1)
        return {};
    const std::vector<int> columns = NearestIndices(picture.width, w);
    const std::vector<int> rows = NearestIndices(picture.height, h);
    PixelPicture out(w, h);
    for (int y = 0; y < h; ++y) {
        const int sy = rows[static_cast<std::size_t>(mirrorY ? h - 1 - y : y)];
        for (int x = 0; x < w; ++x)
            out.At(x, y) =
                picture.At(columns[static_cast<std::size_t>(mirrorX ? w - 1 - x : x)], sy);
    }
    out.At(0, 0) = picture.At(0, 0);
    return out;
}

void KeyOut(PixelPicture& picture, std::uint32_t key) {
    for (std::uint32_t& p : picture.pixels)
        if ((p & 0xFFFFFFu) == (key & 0xFFFFFFu))
            p = 0;
}

PixelPicture Rotated(const PixelPicture& picture, double degrees) {
    if (picture.Empty())
        return {};
    const int w = picture.width;
    const int h = picture.height;
    PixelPicture out(w, h);
    const double a = degrees * kPi / 180;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const std::uint32_t fill = picture.At(0, 0);
    // Rows are counted from the bottom, as a stored picture holds them, so
    // that the turn comes out clockwise on the screen.
    for (int ys = 0; ys < h; ++ys) {
        const int dy = ys - h / 2;
        for (int x = 0; x < w; ++x) {
            const int dx = x - w / 2;
            const int sx = static_cast<int>(dx * c - dy * s + w / 2 + 0.5);
            const int sy = static_cast<int>(dx * s + dy * c + h / 2 + 0.5);
            out.At(x, h - 1 - ys) =
                sx < 0 || sx >= w || sy < 0 || sy >= h ? fill : picture.At(sx, h - 1 - sy);
        }
    }
    return out;
}

} // namespace zf
