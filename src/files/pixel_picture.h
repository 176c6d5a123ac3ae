#pragma once

#include "files/bitmap.h"

#include <cstdint>
#include <vector>

namespace zf {

// A picture as 32-bit pixels 0xAARRGGBB (alpha premultiplied), top row
// first; a clear pixel is 0.
struct PixelPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    PixelPicture() = default;
    PixelPicture(int w, int h, std::uint32_t fill = 0xFF000000u);
    bool Empty() const { return width < 1 || height < 1; }
    std::uint32_t At(int x, int y) const { return pixels[Index(x, y)]; }
    std::uint32_t& At(int x, int y) { return pixels[Index(x, y)]; }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

struct PixelBox {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool Empty() const { return w < 1 || h < 1; }
};

// A bitmap file's pixels, opaque; empty for a picture of no pixels.
PixelPicture PixelsOfBitmap(const PackedBitmap& bitmap);

// Where a picture of pw x ph lands when fitted into w x h around a centre,
// its proportions kept.
PixelBox FittedBox(int pw, int ph, int cx, int cy, int w, int h);

// The picture stretched to w x h by nearest pixels, mirrored as asked, with
// its own top-left pixel put back at the top-left, so that the transparent
// colour is always found there.
PixelPicture Stretched(const PixelPicture& picture, int w, int h, bool mirrorX,
                       bool mirrorY = false);

// Every pixel of the key colour (alpha aside) made clear.
void KeyOut(PixelPicture& picture, std::uint32_t key);

// The picture turned clockwise by `degrees` about its centre, each pixel
// taken from the nearest source pixel; what comes from outside takes the
// top-left pixel's colour. Same size in and out.
PixelPicture Rotated(const PixelPicture& picture, double degrees);

} // namespace zf
