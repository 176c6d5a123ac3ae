#include "program/texts_table.h"

namespace zf {

namespace {

constexpr TextEntry kTexts[] = {
    {30, "My Go Program.gop"},
};

} // namespace

std::span<const TextEntry> TextTable() { return kTexts; }

} // namespace zf
