#pragma once

#include "files/bitmap.h"
#include "files/file_io.h"
#include "files/palette.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace zf::test {

// A project folder with its four sub-folders, removed afterwards.
class ProjectDir {
  public:
    ProjectDir() {
        for (const char* sub : {"backgnds", "zarniks", "objects", "pens"})
            QDir(root_.path()).mkdir(sub);
    }

    std::string Folder() const { return root_.path().toStdString() + "/"; }
    std::string Path(const std::string& relative) const { return Folder() + relative; }

    // Writes a picture as the program writes bitmaps: 8 bits, application
    // palette. Use palette colours for exact pixels.
    void WriteBitmap(const std::string& relative, const QImage& picture) const {
        const QImage image = picture.convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        const std::vector<std::uint32_t> rgb(pixels, pixels + image.width() * image.height());
        ASSERT_TRUE(WriteFileAtomically(
            Path(relative), EncodeBitmap8(image.width(), image.height(), ReduceToAppPalette(rgb))));
    }

  private:
    QTemporaryDir root_;
};

inline QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The zfield command with `arguments`, its output dropped: its exit code, or
// -1 where it did not exit.
inline int Zfield(const std::string& arguments) {
    const int status =
        std::system((std::string(ZFIELD_PATH) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The program's own palette colours, as pictures hold them.
inline QRgb PaletteRgb(int index) {
    const PaletteEntry& e = AppPalette()[static_cast<std::size_t>(index)];
    return qRgb(e.red, e.green, e.blue) & 0xFFFFFFu;
}
inline const QRgb kWhite = PaletteRgb(kPaletteWhite);
inline const QRgb kBlack = PaletteRgb(kPaletteBlack);
inline const QRgb kRed = PaletteRgb(kPaletteRed);
inline const QRgb kGreen = PaletteRgb(kPaletteGreen);
inline const QRgb kBlue = PaletteRgb(kPaletteBlue);
inline const QRgb kYellow = PaletteRgb(kPaletteYellow);
inline const QRgb kMagenta = PaletteRgb(kPaletteMagenta);
inline const QRgb kCyan = PaletteRgb(kPaletteCyan);

// A square of one colour inside a border of the magenta key.
inline QImage Framed(int side, QRgb colour, int border) {
    QImage picture = Filled(side, side, QColor(kMagenta));
    for (int y = border; y < side - border; ++y)
        for (int x = border; x < side - border; ++x)
            picture.setPixel(x, y, colour);
    return picture;
}

// Pixels expected of a picture, alpha aside.
struct Pixel {
    int x, y;
    QRgb rgb;
};
inline void ExpectPixels(const QImage& image, std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(Rgb(image, p.x, p.y), p.rgb) << "at " << p.x << ", " << p.y;
}

// Pixels of one colour within `box`.
inline int Count(const QImage& image, const QRect& box, QRgb colour) {
    return CountIf(image, Colour(colour), box);
}

} // namespace zf::test
