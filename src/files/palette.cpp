#include "files/palette.h"

namespace zf {

namespace {

constexpr PaletteEntry kSystemLow[10] = {
    {0, 0, 0, 0},     {128, 0, 0, 0},   {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
};

constexpr PaletteEntry kSystemHigh[10] = {
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},
    {0, 255, 0, 0},     {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},
    {0, 255, 255, 0},   {255, 255, 255, 0},
};

// Our own colours: a 6 x 6 x 6 colour cube and 20 greys that the cube and
// the system colours do not already have.
Palette BuildPalette() {
    Palette palette{};
    int i = 0;
    for (const PaletteEntry& e : kSystemLow)
        palette[i++] = e;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette[i++] = {static_cast<std::uint8_t>(r * 51),
                                static_cast<std::uint8_t>(g * 51),
                                static_cast<std::uint8_t>(b * 51), 0};
    for (int k = 1; k <= 20; ++k) {
        auto grey = static_cast<std::uint8_t>(k * 255 / 21);
        palette[i++] = {grey, grey, grey, 0};
    }
    for (const PaletteEntry& e : kSystemHigh)
        palette[i++] = e;
    return palette;
}

int Distance(const PaletteEntry& e, int red, int green, int blue) {
    int dr = e.red - red, dg = e.green - green, db = e.blue - blue;
    return dr * dr + dg * dg + db * db;
}

} // namespace

const Palette& AppPalette() {
    static const Palette palette = BuildPalette();
    return palette;
}

int NearestPaletteIndex(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const Palette& palette = AppPalette();
    int best = 0;
    int bestDistance = Distance(palette[0], red, green, blue);
    auto consider = [&](int index) {
        int d = Distance(palette[index], red, green, blue);
        if (d < bestDistance) {
            best = index;
            bestDistance = d;
        }
    };
    for (int index = 1; index < 10; ++index)
        consider(index);
    for (int index = 246; index < 256; ++index)
        consider(index);
    for (int index = 10; index < 246 && bestDistance > 0; ++index)
        consider(index);
    return best;
}

int NearestPaletteIndex(std::uint32_t rgb) {
    return NearestPaletteIndex(static_cast<std::uint8_t>(rgb >> 16),
                               static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb));
}

} // namespace zf
