#pragma once

#include "program/string_table.h"

#include <array>
#include <cstdint>

namespace zf {

// The font of a text object, laid out field for field as the platform's
// logical font so that stored records keep their bytes.
struct LogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{};

    bool operator==(const LogFont&) const = default;
};

// One text object or PlaceText instruction: 88 bytes when stored.
struct TextObjectRecord {
    std::int32_t placement = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t textId = 0;
    std::uint32_t colour = 0;
    LogFont font;
    std::int32_t further1 = 0;
    std::int32_t further2 = 0;

    static constexpr std::size_t kStoredSize = 88;
    using Bytes = std::array<std::uint8_t, kStoredSize>;

    Bytes ToBytes() const;
    static TextObjectRecord FromBytes(const std::uint8_t* bytes);

    bool operator==(const TextObjectRecord&) const = default;
};

// A new text: "Your Text" in black Arial, 0.6 of a step high, no placement.
TextObjectRecord DefaultTextObject(NameTables& tables);

} // namespace zf
