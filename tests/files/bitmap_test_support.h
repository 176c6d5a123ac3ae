#pragma once

#include <cstdint>
#include <vector>

namespace zf::test {

// A picture to be written byte by byte as a bitmap file: `values` holds one
// colour-table index (up to 8 bits) or 0xRRGGBB colour (24 or 32 bits) per pixel,
// top row first.
struct TestPicture {
    int width = 1;
    int height = 1;
    int bits = 8;
    std::vector<std::uint32_t> table;
    std::vector<std::uint32_t> values;
    bool core = false; // the 12-byte header with 3-byte table entries
};

std::vector<std::uint8_t> BuildBitmapFile(const TestPicture& picture);
// The same picture's file with its rows replaced by run-length codes
// (compression 1 for 8 bits, 2 for 4 bits).
std::vector<std::uint8_t> WithRunLengthRows(const TestPicture& picture,
                                            const std::vector<std::uint8_t>& codes);

} // namespace zf::test
