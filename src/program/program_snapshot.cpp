#include "program/program_snapshot.h"

namespace zf {

namespace {

std::vector<std::shared_ptr<const GoInstruction>> CopyList(const GoInstruction* head) {
    std::vector<std::shared_ptr<const GoInstruction>> out;
    for (const GoInstruction* in = head; in; in = in->next)
        out.push_back(in->Copy());
    return out;
}

int IndexIn(const GoInstruction* head, const GoInstruction* wanted) {
    int i = 0;
    for (const GoInstruction* in = head; in; in = in->next, ++i)
        if (in == wanted)
            return i;
    return -1;
}

GoInstruction* At(GoInstruction* head, int index) {
    for (int i = 0; head && i < index; ++i)
        head = head->next;
    return index < 0 ? nullptr : head;
}

bool SameInstruction(const GoInstruction& a, const GoInstruction& b) {
    const bool sameText = a.textObject && b.textObject ? *a.textObject == *b.textObject
                                                       : !a.textObject && !b.textObject;
    return a.opcode == b.opcode && a.bracketOpen == b.bracketOpen &&
           a.bracketClosed == b.bracketClosed && a.complete == b.complete && a.digits == b.digits &&
           a.value1 == b.value1 && a.value2 == b.value2 && a.nameId == b.nameId && sameText;
}

bool SameList(const std::vector<std::shared_ptr<const GoInstruction>>& a,
              const std::vector<std::shared_ptr<const GoInstruction>>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameInstruction(*a[i], *b[i]))
            return false;
    return true;
}

} // namespace

ProgramSnapshot TakeProgramSnapshot(const GoEditor& editor) {
    ProgramSnapshot s;
    s.go = CopyList(editor.Head(GO_LIST));
    s.proc = CopyList(editor.Head(PROC_LIST));
    s.cursorList = editor.ListOf(editor.cursor);
    if (s.cursorList)
        s.cursorIndex = IndexIn(editor.Head(s.cursorList), editor.cursor);
    s.goPositionIndex = IndexIn(editor.Head(GO_LIST), editor.goPosition);
    s.procedureBeingDefined = editor.procedureBeingDefined;
    s.memoryUnitsLeft = editor.memoryUnitsLeft;
    s.modified = editor.modified;
    return s;
}

void RestoreProgram(GoEditor& editor, const ProgramSnapshot& s) {
    editor.DestroyProgramList(PROC_LIST);
    editor.DestroyProgramList(GO_LIST);
    for (const auto& in : s.go)
        editor.InsertCopy(*in, GO_LIST);
    for (const auto& in : s.proc)
        editor.InsertCopy(*in, PROC_LIST);
    // A loaded program may be charged beyond the budget, so the count is
    // taken as it was rather than summed again.
    editor.memoryUnitsLeft = s.memoryUnitsLeft;
    editor.procedureBeingDefined = s.procedureBeingDefined;
    editor.modified = s.modified;
    editor.cursor = s.cursorList ? At(editor.Head(s.cursorList), s.cursorIndex) : nullptr;
    editor.goPosition = At(editor.Head(GO_LIST), s.goPositionIndex);
    for (int list : {GO_LIST, PROC_LIST}) {
        editor.Reindent(list);
        editor.ui().SetScrollRange(list, editor.LineCount(list));
    }
}

bool SameProgram(const ProgramSnapshot& a, const ProgramSnapshot& b) {
    return a.procedureBeingDefined == b.procedureBeingDefined &&
           a.memoryUnitsLeft == b.memoryUnitsLeft && SameList(a.go, b.go) &&
           SameList(a.proc, b.proc);
}

} // namespace zf
