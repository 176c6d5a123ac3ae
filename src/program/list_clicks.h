#pragma once

#include "program/editor.h"

namespace zf {

// A click on a line (1-based; past the end means the last line) of the GO
// list or of the Procedure list, while no run is in progress. Answers
// whether the cursor moved.
bool ClickGoListLine(GoEditor& editor, int line);
bool ClickProcedureLine(GoEditor& editor, int line);

// The instruction on a 1-based line, the last one past the end.
GoInstruction* InstructionAtLine(const GoEditor& editor, int list, int line);

} // namespace zf
