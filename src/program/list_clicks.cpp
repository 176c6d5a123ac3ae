#include "program/list_clicks.h"

namespace zf {

GoInstruction* InstructionAtLine(const GoEditor& editor, int list, int line) {
    GoInstruction* in = editor.Head(list);
    int at = 1;
    while (in && in->next && at + in->lineCount <= line) {
        at += in->lineCount;
        in = in->next;
    }
    return in;
}

namespace {

// An incomplete cursor keeps the cursor where it is.
bool RefusedForIncompleteCursor(GoEditor& e, const GoInstruction* clicked) {
    const GoInstruction* cursor = e.cursor;
    if (!cursor || cursor->complete || cursor == clicked)
        return false;
    if (cursor->opcode == op::Procedure && cursor->HasDigit()) {
        const int d = e.procedureBeingDefined;
        Warn(e.ui(), TextId::UseHigherProcedure, {d, InstructionNumber(*cursor, 1), d});
    } else {
        Warn(e.ui(), TextId::PleaseCompleteInstruction);
    }
    return true;
}

} // namespace

bool ClickGoListLine(GoEditor& e, int line) {
    GoInstruction* clicked = InstructionAtLine(e, GO_LIST, line);
    if (!clicked || RefusedForIncompleteCursor(e, clicked))
        return false;
    if (const GoInstruction* open = e.FirstOpenProcedure()) {
        Warn(e.ui(), TextId::DefinitionIncomplete, {InstructionNumber(*open, 1)});
        return false;
    }
    e.cursor = clicked;
    e.procedureBeingDefined = 0;
    e.goPosition = nullptr;
    e.ui().HideListCursor(GO_LIST);
    e.ui().HideListCursor(PROC_LIST);
    e.ui().ShowListCursor(GO_LIST, e.LineOf(GO_LIST, clicked), cursor::Editing);
    return true;
}

bool ClickProcedureLine(GoEditor& e, int line) {
    GoInstruction* clicked = InstructionAtLine(e, PROC_LIST, line);
    if (!clicked || RefusedForIncompleteCursor(e, clicked))
        return false;
    const int n = ProcedureAt(clicked);
    if (n == 0) {
        Warn(e.ui(), TextId::CursorOnlyInDefinition);
        return false;
    }
    // Keying resumes at this GO instruction when the definition is closed.
    if (e.procedureBeingDefined == 0)
        e.goPosition = e.cursor;
    e.cursor = clicked;
    e.procedureBeingDefined = static_cast<std::int16_t>(n);
    e.ui().HideListCursor(GO_LIST);
    e.ui().HideListCursor(PROC_LIST);
    e.ui().ShowListCursor(PROC_LIST, e.LineOf(PROC_LIST, clicked), cursor::Editing);
    return true;
}

} // namespace zf
