#include "render/bitmap_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zf {

QImage ImageOfPixels(const PixelPicture& pixels, QImage::Format format) {
    QImage image(pixels.width, pixels.height, format);
    if (image.isNull())
        return image;
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(image.scanLine(y),
                    pixels.pixels.data() + static_cast<std::size_t>(y) * pixels.width,
                    static_cast<std::size_t>(pixels.width) * sizeof(std::uint32_t));
    return image;
}

PixelPicture PixelsOfImage(const QImage& image) {
    const QImage source = image.format() == QImage::Format_ARGB32_Premultiplied
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    PixelPicture pixels(source.width(), source.height());
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(&pixels.At(0, y), source.constScanLine(y),
                    static_cast<std::size_t>(pixels.width) * sizeof(std::uint32_t));
    return pixels;
}

QImage BitmapImage(const PackedBitmap& bitmap) {
    if (bitmap.Width() < 1 || bitmap.Height() < 1)
        return {};
    return ImageOfPixels(PixelsOfBitmap(bitmap), QImage::Format_RGB32);
}

QImage LoadBitmapImage(const std::string& path) {
    std::optional<PackedBitmap> bitmap = LoadPackedBitmap(path);
    return bitmap ? BitmapImage(*bitmap) : QImage();
}

QImage BitmapImageFromFile(std::span<const std::uint8_t> file) {
    std::optional<PackedBitmap> bitmap = ParseBitmapFile(file);
    return bitmap ? BitmapImage(*bitmap) : QImage();
}

QRect FittedRect(int pw, int ph, int cx, int cy, int w, int h) {
    const PixelBox box = FittedBox(pw, ph, cx, cy, w, h);
    return QRect(box.x, box.y, box.w, box.h);
}

QImage StretchBitmap(const QImage& picture, int w, int h, bool mirror) {
    if (picture.isNull() || w < 1 || h < 1)
        return {};
    QImage out = picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (mirror)
        out = out.mirrored(true, false);
    out.setPixel(0, 0, picture.pixel(0, 0));
    return out;
}

QImage KeyOutColour(const QImage& picture, QRgb key) {
    PixelPicture pixels =
        PixelsOfImage(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    KeyOut(pixels, key);
    return ImageOfPixels(pixels, QImage::Format_ARGB32_Premultiplied);
}

void DrawTransparentImage(QPainter& painter, const QImage& picture, int cx, int cy, int w, int h,
                          int mode) {
    const bool mirror = w < 0;
    const QRect r = FittedRect(picture.width(), picture.height(), cx, cy, std::abs(w), std::abs(h));
    if (r.isEmpty())
        return;
    // On a high-density screen the picture is stretched to the screen's own
    // pixels: stretched to the box first, it would lose rows and then be
    // blown up blocky.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(r.size()) * ratio).toSize();
    QImage stretched = StretchBitmap(picture, pixels.width(), pixels.height(), mirror);
    if (mode == 0)
        stretched = KeyOutColour(stretched, stretched.pixel(0, 0));
    stretched.setDevicePixelRatio(ratio);
    painter.drawImage(r.topLeft(), stretched);
}

bool DrawTransparentBitmap(QPainter& painter, const std::string& path, int cx, int cy, int w, int h,
                           int mode) {
    const QImage picture = LoadBitmapImage(path);
    if (picture.isNull())
        return false;
    DrawTransparentImage(painter, picture, cx, cy, w, h, mode);
    return true;
}

QImage RotateSelectedBitmap(const QImage& picture, double degrees) {
    if (picture.isNull())
        return {};
    const QImage::Format format = picture.format() == QImage::Format_ARGB32_Premultiplied
                                      ? picture.format()
                                      : QImage::Format_RGB32;
    return ImageOfPixels(Rotated(PixelsOfImage(picture), degrees), format);
}

} // namespace zf
