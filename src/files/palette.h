#pragma once

#include <array>
#include <cstdint>

namespace zf {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
    bool operator==(const PaletteEntry&) const = default;
};

using Palette = std::array<PaletteEntry, 256>;

// Indexes of system colours in the application palette.
inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteRed = 249;
inline constexpr int kPaletteGreen = 250;
inline constexpr int kPaletteYellow = 251;
inline constexpr int kPaletteBlue = 252;
inline constexpr int kPaletteMagenta = 253;
inline constexpr int kPaletteCyan = 254;
inline constexpr int kPaletteWhite = 255;

// The one palette of the program: the 20 system colours at both ends
// (0..9 and 246..255), the program's own 236 colours between.
const Palette& AppPalette();

// The palette entry closest to a colour (squared distance); a system colour
// wins a tie, so pure colours keep their system index.
int NearestPaletteIndex(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The same for a 0xAARRGGBB colour; alpha is ignored.
int NearestPaletteIndex(std::uint32_t rgb);

} // namespace zf
