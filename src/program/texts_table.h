#pragma once

#include <span>

namespace zf {

struct TextEntry {
    int id;
    const char* text;
};

// Every string id with its text, sorted by id.
std::span<const TextEntry> TextTable();

} // namespace zf
