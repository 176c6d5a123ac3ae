#pragma once

#include "program/editor.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zf {

// A Go Program as a value: both lists, the cursor, the definition being
// keyed and the memory still free. Copies share their instructions, which
// never change once taken.
struct ProgramSnapshot {
    std::vector<std::shared_ptr<const GoInstruction>> go;
    std::vector<std::shared_ptr<const GoInstruction>> proc;
    int cursorList = 0; // 0: no cursor
    int cursorIndex = 0;
    int goPositionIndex = -1;
    std::int16_t procedureBeingDefined = 0;
    std::int16_t memoryUnitsLeft = kMemoryUnits;
    std::uint32_t modified = 0;
};

ProgramSnapshot TakeProgramSnapshot(const GoEditor& editor);
// Both lists as they were, memory units and cursor included.
void RestoreProgram(GoEditor& editor, const ProgramSnapshot& snapshot);
// The same instructions in both lists, the same definition open and the same
// memory left; where the cursor stands and the listing's layout do not count.
bool SameProgram(const ProgramSnapshot& a, const ProgramSnapshot& b);

} // namespace zf
