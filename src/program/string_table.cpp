#include "program/string_table.h"

#include <cstring>
#include <string>

namespace zf {

namespace {

// Grows a zero-filled byte vector in 8-byte steps until it holds `need`.
void GrowPool(std::vector<std::uint8_t>& pool, std::size_t need) {
    std::size_t size = pool.size();
    while (size < need)
        size += 8;
    pool.resize(size, 0);
}

// Offsets grow 8 bytes (two offsets) at a time.
void GrowOffsets(std::vector<std::uint32_t>& offsets, std::uint32_t count) {
    std::size_t size = offsets.size();
    while (size < count + 1u)
        size += 2;
    offsets.resize(size, 0);
}

} // namespace

StringTable::StringTable() : offsets_(2, 0), pool_(8, 0) {
    Add("");
}

std::uint32_t StringTable::Add(std::string_view text) {
    // Stored strings end at their first zero byte, so compare only that far.
    text = text.substr(0, text.find('\0'));
    auto [known, added] = ids_.try_emplace(std::string(text), count_);
    if (!added)
        return known->second;
    GrowOffsets(offsets_, count_);
    GrowPool(pool_, used_ + text.size() + 1);
    offsets_[count_] = static_cast<std::uint32_t>(used_);
    std::memcpy(pool_.data() + used_, text.data(), text.size());
    pool_[used_ + text.size()] = 0;
    used_ += text.size() + 1;
    return count_++;
}

const char* StringTable::Get(std::uint32_t id) const {
    if (id >= count_)
        return "";
    return reinterpret_cast<const char*>(pool_.data() + offsets_[id]);
}

void StringTable::AddAllFromBlock(const std::uint8_t* bytes, std::size_t length) {
    std::size_t i = 0;
    while (i < length) {
        std::size_t end = i;
        while (end < length && bytes[end] != 0)
            ++end;
        Add(std::string_view(reinterpret_cast<const char*>(bytes + i), end - i));
        i = end + 1;
    }
}

RecordTable::RecordTable(std::uint16_t recordSize)
    : offsets_(2, 0), pool_(8, 0), size_(recordSize) {
    Add();
}

std::uint32_t RecordTable::Add(const std::uint8_t* record) {
    GrowOffsets(offsets_, count_);
    std::size_t used = std::size_t(count_) * size_;
    GrowPool(pool_, used + size_);
    offsets_[count_] = static_cast<std::uint32_t>(used);
    if (record)
        std::memcpy(pool_.data() + used, record, size_);
    return count_++;
}

const std::uint8_t* RecordTable::Get(std::uint32_t index) const {
    if (index >= count_)
        return nullptr;
    return pool_.data() + offsets_[index];
}

std::uint8_t* RecordTable::Get(std::uint32_t index) {
    if (index >= count_)
        return nullptr;
    return pool_.data() + offsets_[index];
}

void RecordTable::AddAllFromBlock(const std::uint8_t* bytes, std::size_t length) {
    if (size_ == 0)
        return;
    for (std::size_t at = size_; at + size_ <= length; at += size_)
        Add(bytes + at);
}

} // namespace zf
