#include "files/lesson_file.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Any bytes either are refused or give entries the lesson may hold, which
// written again read back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<zf::LessonEntry> entries;
    if (!zf::ReadLessonFile(std::span<const std::uint8_t>(data, size), entries).ok()) {
        if (!entries.empty())
            __builtin_trap();
        return 0;
    }
    std::size_t total = 0;
    for (const zf::LessonEntry& entry : entries) {
        total += entry.bytes.size();
        if (entry.name.empty() || entry.name.front() == '/' ||
            entry.name.find("..") != std::string::npos ||
            entry.name.find('\\') != std::string::npos ||
            entry.bytes.size() > zf::kMaxLessonEntrySize)
            __builtin_trap();
    }
    if (entries.size() > zf::kMaxLessonEntries || total > zf::kMaxLessonSize)
        __builtin_trap();
    std::vector<zf::LessonEntry> again;
    if (!zf::ReadLessonFile(zf::WriteLessonFile(entries), again).ok())
        __builtin_trap();
    for (const zf::LessonEntry& entry : entries) {
        bool found = false;
        for (const zf::LessonEntry& other : again)
            found = found || (other.name == entry.name && other.bytes == entry.bytes);
        if (!found)
            __builtin_trap();
    }
    return 0;
}
