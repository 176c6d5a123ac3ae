#include "files/byte_cursor.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace zf {

bool ByteReader::Seek(std::size_t offset) {
    if (offset > data_.size()) {
        ok_ = false;
        return false;
    }
    pos_ = offset;
    return true;
}

bool ByteReader::Skip(std::size_t count) {
    if (count > Remaining()) {
        ok_ = false;
        pos_ = data_.size();
        return false;
    }
    pos_ += count;
    return true;
}

const std::uint8_t* ByteReader::Take(std::size_t count) {
    if (!ok_ || count > Remaining()) {
        ok_ = false;
        return nullptr;
    }
    const std::uint8_t* p = data_.data() + pos_;
    pos_ += count;
    return p;
}

std::uint8_t ByteReader::U8() {
    const std::uint8_t* p = Take(1);
    return p ? p[0] : 0;
}

std::uint16_t ByteReader::U16() {
    const std::uint8_t* p = Take(2);
    return p ? static_cast<std::uint16_t>(p[0] | p[1] << 8) : 0;
}

std::uint32_t ByteReader::U32() {
    const std::uint8_t* p = Take(4);
    if (!p)
        return 0;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    const std::uint8_t* p = Take(count);
    if (!p)
        return {};
    return {p, count};
}

std::string ByteReader::FixedString(std::size_t width) {
    auto field = Bytes(width);
    auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

std::span<const std::uint8_t> ByteReader::Range(std::uint64_t offset, std::uint64_t length) {
    if (offset > data_.size() || length > data_.size() - offset) {
        ok_ = false;
        return {};
    }
    return data_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

void ByteWriter::U16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::Bytes(const std::uint8_t* bytes, std::size_t count) {
    if (count)
        out_.insert(out_.end(), bytes, bytes + count);
}

void ByteWriter::FixedString(const std::string& text, std::size_t width) {
    if (width == 0)
        return;
    std::size_t n = std::min(text.size(), width - 1);
    std::size_t at = out_.size();
    out_.resize(at + width, 0);
    std::memcpy(out_.data() + at, text.data(), n);
}

void ByteWriter::PutU16At(std::size_t offset, std::uint16_t v) {
    out_.at(offset) = static_cast<std::uint8_t>(v);
    out_.at(offset + 1) = static_cast<std::uint8_t>(v >> 8);
}

void ByteWriter::PutU32At(std::size_t offset, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        out_.at(offset + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

void ByteWriter::PutBytesAt(std::size_t offset, std::span<const std::uint8_t> bytes) {
    if (offset > out_.size() || bytes.size() > out_.size() - offset)
        throw std::out_of_range("ByteWriter::PutBytesAt");
    std::copy(bytes.begin(), bytes.end(), out_.begin() + static_cast<long>(offset));
}

} // namespace zf
