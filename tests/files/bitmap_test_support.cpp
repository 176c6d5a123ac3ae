#include "bitmap_test_support.h"

#include "file_test_support.h"

namespace zf::test {

std::vector<std::uint8_t> BuildBitmapFile(const TestPicture& picture) {
    std::size_t headerSize = picture.core ? 12 : 40;
    std::size_t entrySize = picture.core ? 3 : 4;
    std::size_t stride = (static_cast<std::size_t>(picture.width) * picture.bits + 31) / 32 * 4;
    std::size_t offset = 14 + headerSize + picture.table.size() * entrySize;
    std::vector<std::uint8_t> b(offset + stride * static_cast<std::size_t>(picture.height), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, static_cast<std::uint32_t>(headerSize));
    if (picture.core) {
        Put16(b, 18, static_cast<std::uint16_t>(picture.width));
        Put16(b, 20, static_cast<std::uint16_t>(picture.height));
        Put16(b, 22, 1);
        Put16(b, 24, static_cast<std::uint16_t>(picture.bits));
    } else {
        Put32(b, 18, static_cast<std::uint32_t>(picture.width));
        Put32(b, 22, static_cast<std::uint32_t>(picture.height));
        Put16(b, 26, 1);
        Put16(b, 28, static_cast<std::uint16_t>(picture.bits));
        Put32(b, 46, static_cast<std::uint32_t>(picture.table.size()));
    }
    std::size_t at = 14 + headerSize;
    for (std::uint32_t colour : picture.table) {
        b[at] = static_cast<std::uint8_t>(colour);
        b[at + 1] = static_cast<std::uint8_t>(colour >> 8);
        b[at + 2] = static_cast<std::uint8_t>(colour >> 16);
        at += entrySize;
    }
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* row =
            b.data() + offset + stride * static_cast<std::size_t>(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t v = picture.values.at(static_cast<std::size_t>(y * picture.width + x));
            auto ux = static_cast<std::size_t>(x);
            switch (picture.bits) {
            case 1:
                row[ux / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - ux % 8));
                break;
            case 4:
                row[ux / 2] |= static_cast<std::uint8_t>((v & 15) << (ux % 2 ? 0 : 4));
                break;
            case 8:
                row[ux] = static_cast<std::uint8_t>(v);
                break;
            default:
                for (std::size_t k = 0; k < 3; ++k)
                    row[ux * picture.bits / 8 + k] = static_cast<std::uint8_t>(v >> (8 * k));
            }
        }
    }
    return b;
}

std::vector<std::uint8_t> WithRunLengthRows(const TestPicture& picture,
                                            const std::vector<std::uint8_t>& codes) {
    std::vector<std::uint8_t> file = BuildBitmapFile(picture);
    file.resize(Get32(file, 10));
    file.insert(file.end(), codes.begin(), codes.end());
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 30, picture.bits == 8 ? 1 : 2);
    return file;
}

} // namespace zf::test
