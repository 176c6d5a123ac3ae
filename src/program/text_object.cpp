#include "program/text_object.h"

#include "program/string_table.h"
#include "program/texts.h"

#include <cstring>

namespace zf {

namespace {

void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t Get32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

} // namespace

TextObjectRecord::Bytes TextObjectRecord::ToBytes() const {
    Bytes b{};
    Put32(&b[0], static_cast<std::uint32_t>(placement));
    Put32(&b[4], static_cast<std::uint32_t>(x));
    Put32(&b[8], static_cast<std::uint32_t>(y));
    Put32(&b[12], textId);
    Put32(&b[16], colour);
    Put32(&b[20], static_cast<std::uint32_t>(font.height));
    Put32(&b[24], static_cast<std::uint32_t>(font.width));
    Put32(&b[28], static_cast<std::uint32_t>(font.escapement));
    Put32(&b[32], static_cast<std::uint32_t>(font.orientation));
    Put32(&b[36], static_cast<std::uint32_t>(font.weight));
    b[40] = font.italic;
    b[41] = font.underline;
    b[42] = font.strikeOut;
    b[43] = font.charSet;
    b[44] = font.outPrecision;
    b[45] = font.clipPrecision;
    b[46] = font.quality;
    b[47] = font.pitchAndFamily;
    std::memcpy(&b[48], font.faceName.data(), font.faceName.size());
    Put32(&b[80], static_cast<std::uint32_t>(further1));
    Put32(&b[84], static_cast<std::uint32_t>(further2));
    return b;
}

TextObjectRecord TextObjectRecord::FromBytes(const std::uint8_t* b) {
    TextObjectRecord r;
    r.placement = static_cast<std::int32_t>(Get32(&b[0]));
    r.x = static_cast<std::int32_t>(Get32(&b[4]));
    r.y = static_cast<std::int32_t>(Get32(&b[8]));
    r.textId = Get32(&b[12]);
    r.colour = Get32(&b[16]);
    r.font.height = static_cast<std::int32_t>(Get32(&b[20]));
    r.font.width = static_cast<std::int32_t>(Get32(&b[24]));
    r.font.escapement = static_cast<std::int32_t>(Get32(&b[28]));
    r.font.orientation = static_cast<std::int32_t>(Get32(&b[32]));
    r.font.weight = static_cast<std::int32_t>(Get32(&b[36]));
    r.font.italic = b[40];
    r.font.underline = b[41];
    r.font.strikeOut = b[42];
    r.font.charSet = b[43];
    r.font.outPrecision = b[44];
    r.font.clipPrecision = b[45];
    r.font.quality = b[46];
    r.font.pitchAndFamily = b[47];
    std::memcpy(r.font.faceName.data(), &b[48], r.font.faceName.size());
    r.further1 = static_cast<std::int32_t>(Get32(&b[80]));
    r.further2 = static_cast<std::int32_t>(Get32(&b[84]));
    return r;
}

TextObjectRecord DefaultTextObject(NameTables& tables) {
    TextObjectRecord r;
    r.textId = tables.texts.Add(TextOf(TextId::DefaultText));
    r.font.height = -24;
    r.font.weight = 400;
    r.font.outPrecision = 3;
    r.font.clipPrecision = 2;
    r.font.quality = 1;
    r.font.pitchAndFamily = 0x22;
    std::memcpy(r.font.faceName.data(), "Arial", 6);
    return r;
}

} // namespace zf
