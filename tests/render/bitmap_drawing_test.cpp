#include "render/bitmap_drawing.h"

#include "render/render_support.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

using namespace zf::test;

TEST(StretchingPictures, TakesTheCoresPixelsAtAnySizeEvenMirrored) {
    // The browser stretches with the core's pixel code (its top-left pixel
    // kept, mirrored too, is the scenes test's): the same pixels as here, at
    // any size a stamp or a key picture takes.
    for (int side : {1, 3, 7, 16, 33, 60}) {
        QImage ramp(side, side / 2 + 1, QImage::Format_RGB32);
        for (int y = 0; y < ramp.height(); ++y)
            for (int x = 0; x < side; ++x)
                ramp.setPixel(x, y, qRgb(x, y, 7));
        for (int w = 1; w <= 120; w += 1 + w / 8)
            for (bool flip : {false, true})
                EXPECT_EQ(ImageOfPixels(Stretched(PixelsOfImage(ramp), w, 121 - w, flip),
                                        QImage::Format_RGB32),
                          StretchBitmap(ramp, w, 121 - w, flip))
                    << side << " to " << w << (flip ? " mirrored" : "");
    }
}

// The library's thumbnails: the top-left colour leaves the ground visible.
TEST(DrawingPictures, TheKeyShowsTheGroundUnlessDrawnOpaque) {
    QImage picture = Filled(10, 10, Qt::white);
    for (int y = 3; y < 7; ++y)
        for (int x = 3; x < 7; ++x)
            picture.setPixel(x, y, kRed);
    QImage ground = Filled(40, 40, Qt::green);
    QPainter g(&ground);
    DrawTransparentImage(g, picture, 20, 20, 20, 20);
    g.end();
    // White, its top-left colour, is the key here.
    ExpectPixels(ground, {Pixel(11, 11, kGreen), Pixel(20, 20, kRed), Pixel(2, 2, kGreen)});

    // Any other mode draws opaque.
    QImage opaque = Filled(20, 20, Qt::white);
    QPainter q(&opaque);
    DrawTransparentImage(q, Filled(10, 10, QColor(255, 0, 255)), 10, 10, 10, 10, 1);
    q.end();
    EXPECT_EQ(Rgb(opaque, 10, 10), kMagenta);
}

} // namespace
} // namespace zf
