#pragma once

#include "files/bitmap.h"
#include "files/pixel_picture.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <span>
#include <string>

namespace zf {

// The core's pixels as a picture to draw, in a 32-bit format, and back.
QImage ImageOfPixels(const PixelPicture& pixels, QImage::Format format);
PixelPicture PixelsOfImage(const QImage& image);

// A bitmap file as a picture to draw (RGB32), or a null image when the file
// cannot be read.
QImage LoadBitmapImage(const std::string& path);
QImage BitmapImage(const PackedBitmap& bitmap);
// The same from a whole file already in memory (the program's own artwork).
QImage BitmapImageFromFile(std::span<const std::uint8_t> file);

// Where a picture of pw x ph lands when fitted into w x h around a centre,
// its proportions kept.
QRect FittedRect(int pw, int ph, int cx, int cy, int w, int h);

// The picture stretched to w x h by nearest pixels, mirrored left-right when
// asked, with the picture's own top-left pixel put back at the top-left, so
// that the transparent colour is always found there.
QImage StretchBitmap(const QImage& picture, int w, int h, bool mirror = false);

// The picture fitted into w x h around a centre, its proportions kept;
// pixels of the top-left pixel's colour leave what is below visible. A
// negative width mirrors the picture; a negative height counts as its size.
// Any mode but 0 draws opaque.
bool DrawTransparentBitmap(QPainter& painter, const std::string& path, int cx, int cy, int w, int h,
                           int mode = 0);
void DrawTransparentImage(QPainter& painter, const QImage& picture, int cx, int cy, int w, int h,
                          int mode = 0);

// An ARGB copy of a picture with every pixel of the key colour clear.
QImage KeyOutColour(const QImage& picture, QRgb key);

// The picture turned clockwise by `degrees` about its centre, each pixel
// taken from the nearest source pixel; what comes from outside takes the
// top-left pixel's colour. Same size in and out.
QImage RotateSelectedBitmap(const QImage& picture, double degrees);

} // namespace zf
