#include "files/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Kept so that the reads are not optimised away.
volatile std::uint32_t gSink;

// Any bytes either are refused or give a picture whose every pixel can be
// read without leaving the loaded block.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bitmap = zf::ParseBitmapFile(std::span<const std::uint8_t>(data, size));
    if (!bitmap)
        return 0;
    // No file makes a picture larger than the limit, whatever it declares.
    if (std::int64_t{bitmap->Width()} * bitmap->Height() > zf::kMaxPicturePixels)
        __builtin_trap();
    std::uint32_t sum = 0;
    for (std::uint32_t colour : bitmap->ColourTable())
        sum += colour;
    for (std::uint8_t byte : bitmap->PixelBytes())
        sum += byte;
    for (std::uint32_t pixel : bitmap->RgbPixels())
        sum += pixel;
    gSink = sum;
    return 0;
}
