#include "program/editor.h"

#include "program/string_table.h"

#include <algorithm>
#include <vector>

namespace zf {

GoEditor::GoEditor(UserInterface& ui, NameTables& tables) : ui_(ui), tables_(tables) {
    MakeHeader(TextOf(TextId::DefaultGoProgramName).data());
}

GoEditor::~GoEditor() {
    for (GoInstruction* head : {goHead_, procHead_}) {
        while (head) {
            GoInstruction* next = head->next;
            delete head;
            head = next;
        }
    }
}

int GoEditor::ListOf(const GoInstruction* in) const {
    return in ? in->list : 0;
}

void GoEditor::Link(GoInstruction* in, GoInstruction* after, int list) {
    in->list = list;
    if (after) {
        in->prev = after;
        in->next = after->next;
        if (after->next)
            after->next->prev = in;
        else
            TailRef(list) = in;
        after->next = in;
        return;
    }
    GoInstruction*& head = HeadRef(list);
    in->prev = nullptr;
    in->next = head;
    if (head)
        head->prev = in;
    else
        TailRef(list) = in;
    head = in;
}

void GoEditor::Unlink(GoInstruction* in, int list) {
    if (in->prev)
        in->prev->next = in->next;
    else
        HeadRef(list) = in->next;
    if (in->next)
        in->next->prev = in->prev;
    else
        TailRef(list) = in->prev;
    in->next = in->prev = nullptr;
    in->list = 0;
}

GoInstruction* GoEditor::NewInstruction(std::uint8_t opcode) {
    auto* in = new GoInstruction(opcode);
    Link(in, cursor, cursor ? ListOf(cursor) : GO_LIST);
    cursor = in;
    return in;
}

GoInstruction* GoEditor::MakeHeader(const char* name) {
    GoInstruction* in = NewInstruction(op::GoProgramHeader);
    in->complete = 1;
    in->nameId = tables_.names.Add(name);
    return in;
}

bool GoEditor::AddInstruction(std::uint8_t opcode, bool complete, int units) {
    if (memoryUnitsLeft < units) {
        if (FindEmptyProcedure()) {
            Warn(ui_, TextId::EmptyProceduresForRoom);
            DeleteEmptyProcedures();
        }
        if (memoryUnitsLeft < units) {
            Warn(ui_, TextId::ZarnikMemoryFull);
            return false;
        }
    }
    GoInstruction* in = NewInstruction(opcode);
    in->complete = complete ? 1 : 0;
    memoryUnitsLeft = static_cast<std::int16_t>(memoryUnitsLeft - units);
    return true;
}

GoInstruction* GoEditor::InsertCopy(const GoInstruction& record, int list) {
    std::unique_ptr<GoInstruction> copy = record.Copy();
    GoInstruction* in = copy.release();
    Link(in, Last(list), list);
    cursor = in;
    memoryUnitsLeft = static_cast<std::int16_t>(memoryUnitsLeft - OpcodeUnits(in->opcode));
    return in;
}

void GoEditor::RemoveInstruction(int list, GoInstruction* in) {
    if (!in)
        return;
    // Nothing may keep pointing at a freed instruction.
    if (cursor == in)
        cursor = in->prev ? in->prev : in->next;
    if (goPosition == in)
        goPosition = in->prev ? in->prev : in->next;
    Unlink(in, list);
    memoryUnitsLeft = static_cast<std::int16_t>(memoryUnitsLeft + OpcodeUnits(in->opcode));
    delete in;
}

void GoEditor::DeleteAtCursor(int list) {
    GoInstruction* in = cursor;
    if (!in)
        return;
    if (in->opcode == op::GoProgramHeader) {
        if (in->next || in->prev || procHead_)
            return;
    }
    if (in->opcode == op::ProcedureDef && list == PROC_LIST) {
        Warn(ui_, TextId::DeleteGoListProcedures);
        return;
    }
    const int line = LineOf(list, in);
    const bool bracket = in->opcode == op::Repeat || in->opcode == op::RepeatEnd;
    GoInstruction* newCursor = in->prev ? in->prev : in->next;
    if (goPosition == in)
        goPosition = newCursor;
    Unlink(in, list);
    cursor = newCursor;
    memoryUnitsLeft = static_cast<std::int16_t>(memoryUnitsLeft + OpcodeUnits(in->opcode));
    delete in;
    ui_.RepaintList(list, line);
    if (bracket)
        Reindent(list);
    ui_.SetScrollRange(list, LineCount(list));
}

void GoEditor::DestroyProgramList(int list) {
    GoInstruction* in = Head(list);
    while (in) {
        GoInstruction* next = in->next;
        memoryUnitsLeft = static_cast<std::int16_t>(memoryUnitsLeft + OpcodeUnits(in->opcode));
        if (cursor == in)
            cursor = nullptr;
        if (goPosition == in)
            goPosition = nullptr;
        delete in;
        in = next;
    }
    HeadRef(list) = nullptr;
    TailRef(list) = nullptr;
    if (list == GO_LIST)
        cursor = nullptr;
    ui_.HideListCursor(list);
    ui_.SetScrollRange(list, 0);
}

void GoEditor::ClearMemory() {
    GoInstruction* keep =
        procHead_ && goHead_ && goHead_->opcode == op::GoProgramHeader ? goHead_ : nullptr;
    GoInstruction* in = keep ? keep->next : goHead_;
    while (in) {
        GoInstruction* next = in->next;
        memoryUnitsLeft = static_cast<std::int16_t>(memoryUnitsLeft + OpcodeUnits(in->opcode));
        delete in;
        in = next;
    }
    if (keep)
        keep->next = nullptr;
    goHead_ = goTail_ = keep;
    cursor = keep;
    goPosition = keep;
    modified = procHead_ ? 1 : 0;
    ui_.SetScrollRange(GO_LIST, LineCount(GO_LIST));
    ui_.HideListCursor(GO_LIST);
    ui_.RepaintList(GO_LIST, 1);
}

GoInstruction* GoEditor::FindProcedure(int list, int n) const {
    for (GoInstruction* in = Head(list); in; in = in->next)
        if (in->opcode == op::ProcedureDef && InstructionNumber(*in, 1) == n)
            return in;
    return nullptr;
}

bool GoEditor::ProcedureHasEnd(int list, int n) const {
    GoInstruction* def = FindProcedure(list, n);
    if (!def)
        return false;
    for (GoInstruction* in = def->next; in && in->opcode != op::ProcedureDef; in = in->next)
        if (in->opcode == op::ProcedureEnd)
            return true;
    return false;
}

int GoEditor::DeleteProcedure(int list, int n) {
    GoInstruction* in = FindProcedure(list, n);
    int removed = 0;
    while (in) {
        GoInstruction* next = in->next;
        RemoveInstruction(list, in);
        ++removed;
        if (!next || next->opcode == op::ProcedureDef)
            break;
        in = next;
    }
    return removed;
}

GoInstruction* GoEditor::FindEmptyProcedure() const {
    for (GoInstruction* in = procHead_; in; in = in->next) {
        if (in->opcode != op::ProcedureDef || in == cursor)
            continue;
        if (!in->next || in->next->opcode == op::ProcedureEnd)
            return in;
    }
    return nullptr;
}

void GoEditor::DeleteEmptyProcedures() {
    ui_.HideListCursor(PROC_LIST);
    while (GoInstruction* empty = FindEmptyProcedure())
        DeleteProcedure(PROC_LIST, InstructionNumber(*empty, 1));
    ui_.SetScrollRange(PROC_LIST, LineCount(PROC_LIST));
    if (procedureBeingDefined) {
        if (!FindProcedure(PROC_LIST, procedureBeingDefined)) {
            procedureBeingDefined = 0;
            cursor = goHead_;
            if (goHead_)
                ui_.ShowListCursor(GO_LIST, 1, cursor::Editing);
            else
                ui_.HideListCursor(GO_LIST);
        } else if (cursor) {
            ui_.ShowListCursor(PROC_LIST, LineOf(PROC_LIST, cursor), cursor::Editing);
        }
    }
    ui_.RepaintList(PROC_LIST, 1);
}

GoInstruction* GoEditor::FirstOpenProcedure() const {
    for (GoInstruction* in = procHead_; in; in = in->next) {
        if (in->opcode != op::ProcedureDef)
            continue;
        bool closed = false;
        for (GoInstruction* b = in->next; b && b->opcode != op::ProcedureDef; b = b->next)
            if (b->opcode == op::ProcedureEnd)
                closed = true;
        if (!closed)
            return in;
    }
    return nullptr;
}

int GoEditor::LineOf(int list, const GoInstruction* in) const {
    int line = 1;
    for (GoInstruction* at = Head(list); at; at = at->next, ++line)
        if (at == in)
            return line;
    return 0;
}

int GoEditor::LineCount(int list) const {
    int lines = 0;
    for (GoInstruction* in = Head(list); in; in = in->next)
        lines += in->lineCount;
    return lines;
}

int GoEditor::DeepestRepeatNesting(int list) const {
    int depth = 0, deepest = 0;
    for (GoInstruction* in = Head(list); in; in = in->next) {
        if (in->opcode == op::Repeat)
            deepest = std::max(deepest, ++depth);
        else if (in->opcode == op::RepeatEnd)
            --depth;
        else if (in->opcode == op::ProcedureDef)
            depth = 0;
    }
    return deepest;
}

void GoEditor::ShowInstruction(GoInstruction* in) {
    const int list = ListOf(in);
    if (!list)
        return;
    cursor = in;
    if (list == GO_LIST) {
        procedureBeingDefined = 0;
        ui_.HideListCursor(PROC_LIST);
    } else {
        procedureBeingDefined = static_cast<std::int16_t>(ProcedureAt(in));
        ui_.BringProcedureWindowToTop();
        ui_.HideListCursor(GO_LIST);
    }
    const int line = LineOf(list, in);
    ui_.ShowListCursor(list, line, cursor::Problem);
    ui_.ScrollToLine(list, line);
}

void GoEditor::Reindent(int list) {
    ComputeIndents(Head(list));
    ui_.ListReindented(list);
}

bool ReleaseEditor(std::unique_ptr<GoEditor>& editor) {
    if (!editor)
        return true;
    if (editor->Head(GO_LIST)) {
        Warn(editor->ui(), TextId::GoProgramNotReleased);
        return false;
    }
    editor.reset();
    return true;
}

int ProcedureAt(const GoInstruction* in) {
    for (; in; in = in->prev) {
        if (in->opcode == op::ProcedureEnd)
            return 0;
        if (in->opcode == op::ProcedureDef)
            return InstructionNumber(*in, 1);
    }
    return 0;
}

int OpenRepeatsAt(const GoInstruction* in) {
    int count = 0;
    for (; in; in = in->prev) {
        if (in->opcode == op::Repeat)
            ++count;
        else if (in->opcode == op::RepeatEnd)
            --count;
        else if (in->opcode == op::ProcedureEnd)
            count = 0;
        else if (in->opcode == op::ProcedureDef)
            break;
    }
    return count;
}

bool InsideOpenRepeat(const GoInstruction* in) {
    int count = 0;
    for (; in; in = in->prev) {
        if (in->opcode == op::Repeat) {
            if (++count > 0)
                return true;
        } else if (in->opcode == op::RepeatEnd) {
            --count;
        } else if (in->opcode == op::ProcedureDef) {
            return false;
        }
    }
    return false;
}

namespace {

GoInstruction* FirstIncomplete(GoInstruction* head) {
    for (GoInstruction* in = head; in; in = in->next)
        if (!in->complete)
            return in;
    return nullptr;
}

// Walking forward, the first Repeat that takes the nesting above five.
GoInstruction* TooDeepRepeat(GoInstruction* head) {
    int depth = 0;
    for (GoInstruction* in = head; in; in = in->next) {
        if (in->opcode == op::Repeat) {
            if (++depth > 5)
                return in;
        } else if (in->opcode == op::RepeatEnd) {
            --depth;
        } else if (in->opcode == op::ProcedureDef) {
            depth = 0;
        }
    }
    return nullptr;
}

// Walking forward, the RepeatEnd at which the count first drops below 0.
GoInstruction* SurplusRepeatEnd(GoInstruction* head) {
    int count = 0;
    for (GoInstruction* in = head; in; in = in->next) {
        if (in->opcode == op::Repeat)
            ++count;
        else if (in->opcode == op::RepeatEnd && --count < 0)
            return in;
        else if (in->opcode == op::ProcedureDef)
            count = 0;
    }
    return nullptr;
}

// Walking back from `last`, the Repeat at which the count first exceeds 0.
GoInstruction* OpenRepeat(GoInstruction* last) {
    int count = 0;
    for (GoInstruction* in = last; in; in = in->prev) {
        if (in->opcode == op::Repeat) {
            if (++count > 0)
                return in;
        } else if (in->opcode == op::RepeatEnd) {
            --count;
        } else if (in->opcode == op::ProcedureEnd) {
            count = 0;
        }
    }
    return nullptr;
}

// The last instruction of every definition, so that an unbalanced Repeat in
// any definition is found, not only in the last one.
std::vector<GoInstruction*> DefinitionEnds(GoInstruction* head) {
    std::vector<GoInstruction*> ends;
    for (GoInstruction* in = head; in; in = in->next)
        if (!in->next || in->next->opcode == op::ProcedureDef)
            ends.push_back(in);
    return ends;
}

} // namespace

int CheckGoList(GoEditor* editor) {
    if (!editor)
        return 1;
    GoEditor& e = *editor;
    GoInstruction* head = e.Head(GO_LIST);
    if (!head || (head->opcode == op::GoProgramHeader && !head->next))
        return 2;
    if (GoInstruction* in = FirstIncomplete(head)) {
        e.ShowInstruction(in);
        return 4;
    }
    const int deepest = e.DeepestRepeatNesting(GO_LIST);
    if (deepest >= 6) {
        e.ShowInstruction(TooDeepRepeat(head));
        Warn(e.ui(), TextId::GoTooManyNestedRepeats, {deepest - 5});
        e.procedureBeingDefined = 0;
        return 6;
    }
    GoInstruction* last = e.Last(GO_LIST);
    const int open = OpenRepeatsAt(last);
    if (open == 0)
        return 0;
    e.procedureBeingDefined = 0;
    if (open < 0) {
        e.ShowInstruction(SurplusRepeatEnd(head));
        Warn(e.ui(), TextId::GoRepeatDeleted);
    } else {
        e.ShowInstruction(OpenRepeat(last));
        if (open > 1)
            Warn(e.ui(), TextId::GoIncompleteRepeats, {open});
        else
            Warn(e.ui(), TextId::GoIncompleteRepeat);
    }
    return 5;
}

int CheckProcList(GoEditor* editor) {
    if (!editor)
        return 1;
    GoEditor& e = *editor;
    GoInstruction* head = e.Head(PROC_LIST);
    if (!head)
        return 3;
    if (GoInstruction* in = FirstIncomplete(head)) {
        e.ShowInstruction(in);
        return 4;
    }
    const int deepest = e.DeepestRepeatNesting(PROC_LIST);
    if (deepest >= 6) {
        e.ShowInstruction(TooDeepRepeat(head));
        Warn(e.ui(), TextId::ProcTooManyNestedRepeats, {deepest - 5});
        e.procedureBeingDefined = static_cast<std::int16_t>(ProcedureAt(e.cursor));
        return 6;
    }
    int open = 0;
    GoInstruction* sectionEnd = nullptr;
    for (GoInstruction* end : DefinitionEnds(head)) {
        open = OpenRepeatsAt(end);
        sectionEnd = end;
        if (open != 0)
            break;
    }
    if (open == 0) {
        if (GoInstruction* def = e.FirstOpenProcedure()) {
            e.ShowInstruction(def);
            Warn(e.ui(), TextId::AddBracketToProcedure, {InstructionNumber(*def, 1)});
            return 7;
        }
        return 0;
    }
    e.ui().BringProcedureWindowToTop();
    if (open < 0) {
        e.ShowInstruction(SurplusRepeatEnd(head));
        Warn(e.ui(), TextId::ProcRepeatDeleted);
    } else {
        e.ShowInstruction(OpenRepeat(sectionEnd));
        if (open > 1)
            Warn(e.ui(), TextId::ProcIncompleteRepeats, {open});
        else
            Warn(e.ui(), TextId::ProcIncompleteRepeat);
    }
    e.procedureBeingDefined = static_cast<std::int16_t>(ProcedureAt(e.cursor));
    return 5;
}

void ComputeIndents(GoInstruction* head) {
    std::vector<int> bodies; // body indent of each open Repeat
    int base = 0;            // body indent outside any Repeat
    for (GoInstruction* in = head; in; in = in->next) {
        const int current = bodies.empty() ? base : bodies.back();
        const int width = 1 + in->DigitCount() + (in->bracketOpen ? 1 : 0);
        switch (in->opcode) {
        case op::Repeat:
            in->indent = static_cast<std::uint16_t>(current);
            bodies.push_back(current + width);
            break;
        case op::RepeatEnd:
            in->indent = static_cast<std::uint16_t>(std::max(0, current - 1));
            if (!bodies.empty())
                bodies.pop_back();
            break;
        case op::ProcedureDef:
            in->indent = 0;
            bodies.clear();
            base = width;
            break;
        case op::ProcedureEnd:
            in->indent = static_cast<std::uint16_t>(std::max(0, base - 1));
            bodies.clear();
            base = 0;
            break;
        default:
            in->indent = static_cast<std::uint16_t>(current);
        }
    }
}

} // namespace zf
