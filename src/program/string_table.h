#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zf {

// Strings held by small ids: never duplicated, never removed. The pool grows
// in 8-byte steps because its allocated size is what files store.
class StringTable {
  public:
    StringTable();

    std::uint32_t Add(std::string_view text);
    // The string of an id; an id the table never handed out reads as "".
    const char* Get(std::uint32_t id) const;
    bool Contains(std::uint32_t id) const { return id < count_; }

    std::uint32_t Count() const { return count_; }
    std::size_t PoolUsed() const { return used_; }
    std::size_t PoolAllocated() const { return pool_.size(); }
    std::size_t OffsetsAllocated() const { return offsets_.size() * 4; }
    const std::uint8_t* Pool() const { return pool_.data(); }

    // Adds each zero-terminated string of a stored pool in turn.
    void AddAllFromBlock(const std::uint8_t* bytes, std::size_t length);

  private:
    std::vector<std::uint32_t> offsets_;
    std::vector<std::uint8_t> pool_;
    std::uint32_t count_ = 0;
    std::size_t used_ = 0;
    // The id of each string, so that adding costs the same however many
    // names a long program brings.
    std::unordered_map<std::string, std::uint32_t> ids_;
};

// Fixed-size records by index; record 0 is all zero. Duplicates are allowed.
class RecordTable {
  public:
    explicit RecordTable(std::uint16_t recordSize);

    std::uint32_t Add(const std::uint8_t* record = nullptr);
    // The record at an index, or null for an index never handed out.
    const std::uint8_t* Get(std::uint32_t index) const;
    std::uint8_t* Get(std::uint32_t index);

    std::uint16_t RecordSize() const { return size_; }
    std::uint32_t Count() const { return count_; }
    std::size_t PoolAllocated() const { return pool_.size(); }
    const std::uint8_t* Pool() const { return pool_.data(); }

    // Appends each record of a stored pool but its first (the zero record).
    void AddAllFromBlock(const std::uint8_t* bytes, std::size_t length);

  private:
    std::vector<std::uint32_t> offsets_;
    std::vector<std::uint8_t> pool_;
    std::uint32_t count_ = 0;
    std::uint16_t size_;
};

// The tables of one open program, which its instructions and objects index
// by id: file names, texts of text objects and their records.
struct NameTables {
    StringTable names;
    StringTable texts;
    RecordTable textObjects{88};
};

} // namespace zf
