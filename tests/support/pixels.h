#pragma once

// Looking at pictures the program drew, in every test folder that has any.

#include <QImage>
#include <QRect>

namespace zf::test {

// A pixel's colour without its alpha.
inline QRgb Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

// The pixels within `box` (the whole picture when null) whose colour `ink` takes.
template <typename Ink>
int CountIf(const QImage& image, Ink ink, QRect box = {}) {
    box = box.isNull() ? image.rect() : box.intersected(image.rect());
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += ink(image.pixel(x, y));
    return n;
}

// The bounds of those pixels; null where there is none.
template <typename Ink>
QRect ExtentIf(const QImage& image, Ink ink, QRect box = {}) {
    box = box.isNull() ? image.rect() : box.intersected(image.rect());
    QRect extent;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (ink(image.pixel(x, y)))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// The ink of one colour, alpha aside.
inline auto Colour(QRgb rgb) {
    return [rgb](QRgb pixel) { return (pixel & 0xFFFFFFu) == (rgb & 0xFFFFFFu); };
}

} // namespace zf::test
