#pragma once

#include <QImage>

namespace zf {

// The program's own pictures, built into it, by their resource numbers.
namespace artwork {
enum : int {
    // Square cells as wide as the strip is high: the Go container's tool
    // bar and the graphic command lines of the listings.
    ProgramIcons = 118,
    // The library's category icons: cell n for category n.
    LibraryIcons = 121,
    // The note on the Quaver key, black on white.
    Note = 192,
    // The graphics tool bar: button picture n of its pages is cell n.
    GraphicsTools = 1000,
};
} // namespace artwork

// A null image for a number that names no picture.
const QImage& ProgramBitmap(int id);
// Cell n of a strip of square cells; null outside the strip.
QImage StripCell(const QImage& strip, int cell);

} // namespace zf
