#include "render/bitmap_drawing.h"

#include <algorithm>
#include <cmath>

namespace zf {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Rows of the file as stored, turned into top-down RGB32 rows.
QImage ConvertRows(const PackedBitmap& bitmap) {
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::span<const std::uint8_t> bytes = bitmap.PixelBytes();
    const std::size_t stride = bitmap.RowStride();
    const int bits = bitmap.BitCount();
    std::vector<std::uint32_t> table = bitmap.ColourTable();
    // An index past the table reads as black, as the loader answers.
    table.resize(256, 0xFF000000u);
    for (int y = 0; y < h; ++y) {
        const std::size_t stored = static_cast<std::size_t>(bitmap.TopDown() ? y : h - 1 - y);
        const std::uint8_t* src = bytes.data() + stored * stride;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (bits == 8) {
            for (int x = 0; x < w; ++x)
                dst[x] = table[src[x]];
        } else if (bits == 24) {
            for (int x = 0; x < w; ++x, src += 3)
                dst[x] = qRgb(src[2], src[1], src[0]);
        } else {
            for (int x = 0; x < w; ++x)
                dst[x] = bitmap.PixelRgb(x, y);
        }
    }
    return image;
}

} // namespace

QImage BitmapImage(const PackedBitmap& bitmap) {
    if (bitmap.Width() < 1 || bitmap.Height() < 1)
        return {};
    return ConvertRows(bitmap);
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
    if (pw < 1 || ph < 1)
        return {};
    const double scale = std::min(static_cast<double>(w) / pw, static_cast<double>(h) / ph);
    const int dw = static_cast<int>(pw * scale);
    const int dh = static_cast<int>(ph * scale);
    const int left = static_cast<int>(cx - (dw + 0.5) / 2);
    const int top = static_cast<int>(cy - (dh + 0.5) / 2);
    return QRect(left, top, dw, dh);
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

bool DrawBitmapFile(QPainter& painter, const std::string& path, int w, int h) {
    if (path.empty()) {
        painter.fillRect(QRect(0, 0, w, h), Qt::black);
        return true;
    }
    const QImage picture = LoadBitmapImage(path);
    if (picture.isNull())
        return false;
    painter.drawImage(0, 0, StretchBitmap(picture, w, h));
    return true;
}

void DrawImageFitted(QPainter& painter, const QImage& picture, int cx, int cy, int w, int h) {
    const QRect r = FittedRect(picture.width(), picture.height(), cx, cy, w, h);
    if (r.isEmpty())
        return;
    painter.drawImage(r.topLeft(), StretchBitmap(picture, r.width(), r.height()));
}

bool DrawBitmapFitted(QPainter& painter, const std::string& path, int cx, int cy, int w, int h) {
    const QImage picture = LoadBitmapImage(path);
    if (picture.isNull())
        return false;
    DrawImageFitted(painter, picture, cx, cy, w, h);
    return true;
}

QImage KeyOutColour(const QImage& picture, QRgb key) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb rgb = key & 0xFFFFFFu;
    for (int y = 0; y < out.height(); ++y) {
        auto* p = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((p[x] & 0xFFFFFFu) == rgb)
                p[x] = 0;
    }
    return out;
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
    const QImage src = picture.format() == QImage::Format_ARGB32_Premultiplied
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const int w = src.width();
    const int h = src.height();
    QImage out(w, h, src.format());
    const double a = degrees * kPi / 180;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const QRgb fill = src.pixel(0, 0);
    // Rows are counted from the bottom, as the stored picture holds them, so
    // that the turn comes out clockwise on the screen.
    for (int ys = 0; ys < h; ++ys) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(h - 1 - ys));
        const int dy = ys - h / 2;
        for (int x = 0; x < w; ++x) {
            const int dx = x - w / 2;
            const int sx = static_cast<int>(dx * c - dy * s + w / 2 + 0.5);
            const int sy = static_cast<int>(dx * s + dy * c + h / 2 + 0.5);
            if (sx < 0 || sx >= w || sy < 0 || sy >= h)
                dst[x] = fill;
            else
                dst[x] = reinterpret_cast<const QRgb*>(src.constScanLine(h - 1 - sy))[sx];
        }
    }
    return out;
}

} // namespace zf
