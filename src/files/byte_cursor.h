#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zf {

// Reads little-endian fields from a byte buffer. A read past the end puts
// the reader in a failed state and yields zeros, so a loader can read a whole
// record and check once.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool ok() const { return ok_; }
    void Fail() { ok_ = false; }
    std::size_t Size() const { return data_.size(); }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

    // Moves to an offset within the buffer (the end counts as within).
    bool Seek(std::size_t offset);
    bool Skip(std::size_t count);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // The next `count` bytes, or an empty span (and failure) when fewer remain.
    std::span<const std::uint8_t> Bytes(std::size_t count);
    // A text stored in a field of `width` bytes: up to its first zero byte,
    // at most `width` characters when the field has none.
    std::string FixedString(std::size_t width);

    // A sub-range [offset, offset + length) of the buffer, checked without
    // overflow; empty (and failure) when it does not lie inside.
    std::span<const std::uint8_t> Range(std::uint64_t offset, std::uint64_t length);

  private:
    const std::uint8_t* Take(std::size_t count);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Appends little-endian fields to a byte vector; `Put*At` patch earlier
// bytes, as the directory is written after the sections it describes.
class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    std::size_t Position() const { return out_.size(); }

    void U8(std::uint8_t v) { out_.push_back(v); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Bytes(const std::uint8_t* bytes, std::size_t count);
    void Bytes(std::span<const std::uint8_t> bytes) { Bytes(bytes.data(), bytes.size()); }
    void Zeros(std::size_t count) { out_.resize(out_.size() + count, 0); }
    // A text in a field of `width` bytes: cut to fit, zero-filled; the last
    // byte stays zero so that the field is always terminated.
    void FixedString(const std::string& text, std::size_t width);

    void PutU16At(std::size_t offset, std::uint16_t v);
    void PutU32At(std::size_t offset, std::uint32_t v);
    void PutBytesAt(std::size_t offset, std::span<const std::uint8_t> bytes);

  private:
    std::vector<std::uint8_t>& out_;
};

} // namespace zf
