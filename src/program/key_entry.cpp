#include "program/key_entry.h"

#include "program/string_table.h"

namespace zf {

namespace {

struct DigitRange {
    int min;
    int max;
};

bool IsDigitKey(int key) {
    return key >= key::Digit0 && key <= key::Digit9;
}
bool IsInstructionKey(int key) {
    return key >= key::Forward && key <= key::Toggle;
}

// A bracketed form that still waits for its closing bracket.
bool UnfinishedBracketedForm(const GoInstruction& in) {
    switch (in.opcode) {
    case op::MoveUnit:
    case op::TurnUnit:
    case op::QuaverSetting:
        return in.bracketOpen && !in.bracketClosed;
    case op::Sense:
        return in.bracketOpen && !in.complete;
    default:
        return false;
    }
}

// The allowed range of digit slot `slot` (0-based) of an instruction, or
// nothing when the slot does not exist.
bool SlotRange(const GoInstruction& in, int slot, DigitRange& range) {
    static constexpr DigitRange kMove[] = {{1, 9}, {0, 9}};
    static constexpr DigitRange kTurn[] = {{1, 9}, {0, 9}, {0, 9}};
    static constexpr DigitRange kQuaver[] = {{1, 8}, {1, 9}, {0, 4}};
    static constexpr DigitRange kQuaverSetting[] = {{1, 5}, {1, 3}};
    static constexpr DigitRange kMotor[] = {{1, 2}, {1, 9}, {0, 9}, {0, 9}};
    static constexpr DigitRange kToggle[] = {{1, 4}, {1, 2}};
    static constexpr DigitRange kSense[] = {{1, 5}, {1, 9}, {0, 9}};
    static constexpr DigitRange kSenseBracketed[] = {{1, 3}};

    auto pick = [&](const auto& table) {
        if (slot >= static_cast<int>(std::size(table)))
            return false;
        range = table[slot];
        return true;
    };
    switch (in.opcode) {
    case op::Forward:
    case op::Back:
    case op::MoveUnit:
    case op::Wait:
    case op::Repeat:
    case op::Procedure:
        return pick(kMove);
    case op::Left:
    case op::Right:
    case op::TurnUnit:
        return pick(kTurn);
    case op::Quaver:
        // A second pitch digit only follows a first pitch digit of 1.
        if (slot == 2 && in.digits[1] != 1)
            return false;
        return pick(kQuaver);
    case op::QuaverSetting:
        return pick(kQuaverSetting);
    case op::Motor:
        return pick(kMotor);
    case op::Toggle:
        return pick(kToggle);
    case op::Sense:
        return in.bracketOpen ? pick(kSenseBracketed) : pick(kSense);
    default:
        return false;
    }
}

bool TakesNoDigits(const GoInstruction& in) {
    switch (in.opcode) {
    case op::Repeat:
    case op::Procedure:
    case op::ProcedureDef:
        return in.bracketOpen != 0;
    case op::Forward:
    case op::Back:
    case op::MoveUnit:
    case op::Left:
    case op::Right:
    case op::TurnUnit:
        return in.bracketClosed != 0;
    case op::Quaver:
    case op::QuaverSetting:
    case op::Wait:
    case op::Motor:
    case op::Sense:
    case op::Toggle:
        return false;
    default:
        return true;
    }
}

KeyStatus ProcedureDigit(GoEditor& e, GoInstruction& in) {
    const int d = e.procedureBeingDefined;
    if (d == 0) {
        in.complete = 1;
        return status::Changed;
    }
    const int number = InstructionNumber(in, 1);
    if (number > d) {
        in.complete = 1;
        return status::Changed;
    }
    if (in.DigitCount() < 2)
        return status::Changed;
    in.digits[0] = in.digits[1] = kNoDigit;
    in.complete = 0;
    e.ui().RepaintList(e.CurrentList(), e.LineOf(e.CurrentList(), &in));
    if (d == 99)
        Warn(e.ui(), TextId::Procedure99CallsNone);
    else
        Warn(e.ui(), TextId::UseHigherProcedure, {d, number, d});
    return status::Changed;
}

KeyStatus DigitKey(GoEditor& e, int digit) {
    GoInstruction* in = e.cursor;
    if (!in) {
        Warn(e.ui(), TextId::NumberWithoutInstruction);
        return status::Refused;
    }
    if (TakesNoDigits(*in)) {
        Warn(e.ui(), TextId::NumberNotExpected);
        return status::Refused;
    }
    const int slot = in->DigitCount();
    DigitRange range{};
    if (!SlotRange(*in, slot, range)) {
        Warn(e.ui(), TextId::NoMoreNumbers);
        return status::Refused;
    }
    if (digit < range.min || digit > range.max) {
        Warn(e.ui(), TextId::DigitNotAllowed, {digit, range.min, range.max});
        return status::Refused;
    }
    in->digits[slot] = static_cast<std::uint8_t>(digit);
    switch (in->opcode) {
    case op::Forward:
    case op::Back:
    case op::Left:
    case op::Right:
    case op::Wait:
        in->complete = 1;
        break;
    case op::Quaver:
    case op::Motor:
    case op::Toggle:
        if (slot >= 1)
            in->complete = 1;
        break;
    case op::Procedure:
        return ProcedureDigit(e, *in);
    default:
        break;
    }
    return status::Changed;
}

// Why a new instruction cannot follow an incomplete cursor.
TextId IncompleteRefusal(int key, const GoInstruction& cursor) {
    const bool digit = cursor.HasDigit();
    switch (key) {
    case key::Forward:
    case key::Back:
        return cursor.opcode == op::MoveUnit && digit ? TextId::PressBracketKey
                                                      : TextId::InstructionNotComplete;
    case key::Left:
    case key::Right:
        return cursor.opcode == op::TurnUnit && digit ? TextId::PressBracketKey
                                                      : TextId::InstructionNotComplete;
    case key::Repeat:
    case key::Sense:
    case key::Procedure:
        return digit && cursor.bracketOpen ? TextId::PressBracketKey
                                           : TextId::InstructionNotComplete;
    case key::Quaver:
        return cursor.opcode == op::QuaverSetting && cursor.digits[1] != kNoDigit
                   ? TextId::PressBracketKey
                   : TextId::InstructionNotComplete;
    default:
        return TextId::InstructionNotComplete;
    }
}

KeyStatus InstructionKey(GoEditor& e, int key) {
    if (key == key::Repeat && OpenRepeatsAt(e.cursor) >= 5) {
        Warn(e.ui(), TextId::TooManyNestedRepeats);
        return status::Refused;
    }
    if (e.cursor && !e.cursor->complete) {
        Warn(e.ui(), IncompleteRefusal(key, *e.cursor));
        return status::Refused;
    }
    const auto opcode = static_cast<std::uint8_t>(key);
    const bool complete = key == key::Sense;
    return e.AddInstruction(opcode, complete, OpcodeUnits(opcode)) ? status::Added
                                                                   : status::Refused;
}

KeyStatus CloseDefinition(GoEditor& e) {
    GoInstruction* in = e.cursor;
    if (!in || !in->complete) {
        Warn(e.ui(), TextId::UnexpectedKeypress);
        return status::Refused;
    }
    // A closed definition never takes a second end.
    const bool last =
        (!in->next || in->next->opcode == op::ProcedureDef) && in->opcode != op::ProcedureEnd;
    if (last) {
        if (!e.AddInstruction(op::ProcedureEnd, true, OpcodeUnits(op::ProcedureEnd)))
            return status::Refused;
        return status::DefinitionClosed;
    }
    const int d = e.procedureBeingDefined;
    Warn(e.ui(),
         e.ProcedureHasEnd(PROC_LIST, d) ? TextId::ProcedureAlreadyClosed
                                         : TextId::BracketAtProcedureEnd,
         {d});
    return status::Refused;
}

KeyStatus ClosingBracket(GoEditor& e) {
    GoInstruction* in = e.cursor;
    if (InsideOpenRepeat(in)) {
        if (!in->complete) {
            Warn(e.ui(), TextId::UnexpectedKeypress);
            return status::Refused;
        }
        return e.AddInstruction(op::RepeatEnd, true, OpcodeUnits(op::RepeatEnd)) ? status::Added
                                                                                 : status::Refused;
    }
    if (e.procedureBeingDefined)
        return CloseDefinition(e);
    Warn(e.ui(), TextId::BracketNotExpected);
    return status::Refused;
}

// A P n already defined met the bracket key in the GO list: delete, keep or
// edit the existing definition.
KeyStatus ExistingProcedure(GoEditor& e, GoInstruction& call, int n) {
    UserInterface& ui = e.ui();
    GoInstruction* def = e.FindProcedure(PROC_LIST, n);
    ui.ScrollToLine(PROC_LIST, e.LineOf(PROC_LIST, def));
    ui.BringProcedureWindowToTop();
    switch (AskText(ui, TextId::DeleteProcedureQuestion, Buttons::YesNoEdit, {n})) {
    case Answer::Yes:
        e.DeleteProcedure(PROC_LIST, n);
        ui.SetScrollRange(PROC_LIST, e.LineCount(PROC_LIST));
        ui.ScrollToLine(PROC_LIST, 1);
        ui.RepaintList(PROC_LIST, 1);
        return status::Refused;
    case Answer::Edit: {
        // Keying resumes after the instruction before the deleted call, which
        // still exists when the definition is closed.
        const int line = e.LineOf(GO_LIST, &call);
        e.goPosition = call.prev;
        e.RemoveInstruction(GO_LIST, &call);
        ui.RepaintList(GO_LIST, line);
        ui.SetScrollRange(GO_LIST, e.LineCount(GO_LIST));
        ui.HideListCursor(GO_LIST);
        e.cursor = def;
        e.procedureBeingDefined = static_cast<std::int16_t>(n);
        ui.ScrollToLine(PROC_LIST, e.LineOf(PROC_LIST, def));
        return status::DefinitionOpened;
    }
    default:
        return status::Refused;
    }
}

KeyStatus ProcedureBracket(GoEditor& e, GoInstruction& in) {
    if (in.opcode == op::ProcedureDef) {
        if (e.procedureBeingDefined)
            return CloseDefinition(e);
        if (OpenRepeatsAt(&in) > 0)
            return status::Refused;
        Warn(e.ui(), TextId::ErasesProcedure);
        return status::Refused;
    }
    if (InsideOpenRepeat(&in))
        return ClosingBracket(e);
    const int n = InstructionNumber(in, 1);
    if (const int d = e.procedureBeingDefined) {
        if (in.complete)
            return CloseDefinition(e);
        Warn(e.ui(), TextId::UseHigherProcedure, {d, n, d});
        return status::Refused;
    }
    if (e.FindProcedure(PROC_LIST, n))
        return ExistingProcedure(e, in, n);
    if (e.memoryUnitsLeft < 5) {
        Warn(e.ui(), TextId::NoRoomForDefinition);
        return status::Refused;
    }
    in.opcode = op::ProcedureDef;
    in.bracketOpen = 1;
    in.complete = 1;
    e.memoryUnitsLeft = static_cast<std::int16_t>(e.memoryUnitsLeft - 5);
    e.procedureBeingDefined = static_cast<std::int16_t>(n);
    return status::DefinitionMade;
}

KeyStatus BracketKey(GoEditor& e) {
    GoInstruction* in = e.cursor;
    if (!in) {
        Warn(e.ui(), TextId::BracketNotExpected);
        return status::Refused;
    }
    const bool digit = in->HasDigit();
    switch (in->opcode) {
    case op::Forward:
    case op::Back:
    case op::Left:
    case op::Right:
    case op::Quaver:
        if (!digit) {
            in->opcode = in->opcode == op::Quaver                                ? op::QuaverSetting
                         : (in->opcode == op::Forward || in->opcode == op::Back) ? op::MoveUnit
                                                                                 : op::TurnUnit;
            in->bracketOpen = 1;
            return status::Changed;
        }
        break;
    case op::Sense:
        if (!in->bracketOpen) {
            if (!digit) {
                in->bracketOpen = 1;
                in->complete = 0;
                return status::Changed;
            }
            break;
        }
        if (in->bracketClosed)
            break;
        if (!digit) {
            Warn(e.ui(), TextId::SenseNotComplete);
            return status::Refused;
        }
        in->bracketClosed = 1;
        in->complete = 1;
        return status::Changed;
    case op::MoveUnit:
    case op::TurnUnit:
    case op::QuaverSetting:
        if (in->bracketClosed)
            break;
        if (!digit) {
            Warn(e.ui(), TextId::InstructionNeedsNumber);
            return status::Refused;
        }
        if (in->opcode == op::QuaverSetting && in->digits[1] == kNoDigit) {
            Warn(e.ui(), TextId::InstructionNotComplete);
            return status::Refused;
        }
        in->bracketClosed = 1;
        in->complete = 1;
        return status::Changed;
    case op::Repeat:
        if (in->bracketOpen)
            break;
        if (!digit) {
            Warn(e.ui(), TextId::InstructionNeedsNumber);
            return status::Refused;
        }
        in->bracketOpen = 1;
        in->complete = 1;
        return status::Changed;
    case op::Procedure:
        if (!digit) {
            Warn(e.ui(), TextId::InstructionNeedsNumber);
            return status::Refused;
        }
        return ProcedureBracket(e, *in);
    case op::ProcedureDef:
        return ProcedureBracket(e, *in);
    case op::Wait:
    case op::Toggle:
    case op::Motor:
        if (!in->complete) {
            Warn(e.ui(), TextId::BracketNotExpected);
            return status::Refused;
        }
        break;
    default:
        break;
    }
    return ClosingBracket(e);
}

KeyStatus GraphicKey(GoEditor& e, int key, const KeyArgument& argument) {
    if (key == key::EditText) {
        GoInstruction* in = e.cursor;
        if (!in || in->opcode != op::PlaceText || !in->textObject)
            return status::Refused;
        TextObjectRecord record = *in->textObject;
        if (!e.ui().EditTextObject(e.tables(), record, true))
            return status::Refused;
        *in->textObject = record;
        return status::Changed;
    }
    TextObjectRecord text;
    if (key == key::PlaceText) {
        if (argument.text) {
            text = *argument.text;
        } else {
            text = DefaultTextObject(e.tables());
            if (!e.ui().EditTextObject(e.tables(), text, false))
                return status::Refused;
        }
    }
    // A picture the program could not store and open again is not keyed.
    const bool picture = key == key::SetShape || key == key::PlaceStamp || key == key::PenDown;
    if (picture && !IsPlainFileName(argument.name))
        return status::Refused;
    GoInstruction* in = e.NewInstruction(static_cast<std::uint8_t>(key));
    in->complete = 1;
    switch (key) {
    case key::SetPosition:
        in->value1 = argument.value1;
        in->value2 = argument.value2;
        break;
    case key::SetHeading:
        in->value1 = argument.value1;
        break;
    case key::SetShape:
    case key::PlaceStamp:
    case key::PenDown:
        in->nameId = e.tables().names.Add(argument.name);
        break;
    case key::PlaceText:
        in->textObject = std::make_unique<TextObjectRecord>(text);
        break;
    default:
        break;
    }
    return status::Added;
}

bool IsGraphicKey(int key) {
    return (key >= key::SetPosition && key <= key::PlaceText && key != key::MakeHeader) ||
           key == key::EditText;
}

} // namespace

KeyStatus EditorKey(GoEditor& e, int key, const KeyArgument& argument) {
    if (key == key::ClearMemory)
        return status::Cleared;
    if (key == key::MakeHeader) {
        e.MakeHeader(argument.name.c_str());
        return status::Added;
    }
    GoInstruction* cursor = e.cursor;
    if (cursor && UnfinishedBracketedForm(*cursor) && !IsDigitKey(key) && key != key::Bracket &&
        !IsInstructionKey(key)) {
        const bool digit = cursor->HasDigit();
        Warn(e.ui(), digit ? TextId::PressBracketKey
                           : (cursor->opcode == op::Sense ? TextId::InstructionNeedsNumber
                                                          : TextId::InstructionNotComplete));
        return status::Refused;
    }
    if (IsDigitKey(key))
        return DigitKey(e, key - key::Digit0);
    if (IsInstructionKey(key))
        return InstructionKey(e, key);
    if (key == key::Bracket)
        return BracketKey(e);
    if (key == key::CloseDefinition)
        return e.procedureBeingDefined ? CloseDefinition(e) : status::Refused;
    if (key == key::ClearEntry)
        return cursor ? status::Deleted : status::Refused;
    if (IsGraphicKey(key))
        return GraphicKey(e, key, argument);
    return status::Refused;
}

namespace {

// The Go container's step 4 for a new definition: it leaves the GO list
// and is appended to the PROC list.
void MoveDefinitionToProcList(GoEditor& e) {
    UserInterface& ui = e.ui();
    GoInstruction* def = e.cursor;
    e.goPosition = def->prev;
    const int line = e.LineOf(GO_LIST, def);
    ui.HideListCursor(GO_LIST);
    std::unique_ptr<GoInstruction> copy = def->Copy();
    e.cursor = def;
    e.RemoveInstruction(GO_LIST, def);
    ui.RepaintList(GO_LIST, line);
    ui.SetScrollRange(GO_LIST, e.LineCount(GO_LIST));
    GoInstruction* moved = e.InsertCopy(*copy, PROC_LIST);
    const int procLine = e.LineOf(PROC_LIST, moved);
    ui.SetScrollRange(PROC_LIST, e.LineCount(PROC_LIST));
    ui.RepaintList(PROC_LIST, procLine);
    ui.ScrollToLine(PROC_LIST, procLine);
    ui.ShowListCursor(PROC_LIST, procLine, cursor::Editing);
}

// What the list window does with a status: the data changes behind its redraw.
void ApplyStatus(GoEditor& e, int list, KeyStatus st) {
    UserInterface& ui = e.ui();
    switch (st) {
    case status::Changed:
        ui.RepaintList(list, e.LineOf(list, e.cursor));
        break;
    case status::Added: {
        if (e.cursor && (e.cursor->opcode == op::Repeat || e.cursor->opcode == op::RepeatEnd))
            e.Reindent(list);
        else if (e.cursor)
            // The body indent where it lands, which after a closing bracket
            // is not the bracket's own.
            ComputeIndents(e.Head(list));
        const int line = e.LineOf(list, e.cursor);
        ui.SetScrollRange(list, e.LineCount(list));
        ui.RepaintList(list, line);
        ui.ShowListCursor(list, line, cursor::Editing);
        ui.ScrollToLine(list, line);
        break;
    }
    case status::Deleted:
        e.DeleteAtCursor(list);
        if (e.cursor)
            ui.ShowListCursor(list, e.LineOf(list, e.cursor), cursor::Editing);
        else
            ui.HideListCursor(list);
        break;
    case status::Cleared:
        e.ClearMemory();
        break;
    case status::DefinitionClosed:
        e.Reindent(PROC_LIST);
        ui.RepaintList(PROC_LIST, 1);
        ui.SetScrollRange(PROC_LIST, e.LineCount(PROC_LIST));
        e.procedureBeingDefined = 0;
        ui.HideListCursor(PROC_LIST);
        break;
    default:
        break;
    }
}

} // namespace

KeyStatus ContainerKey(GoEditor& e, int key, const KeyArgument& argument) {
    if (!e.cursor && e.Head(GO_LIST))
        e.cursor = e.Last(GO_LIST);
    if (!e.cursor && !e.Head(GO_LIST) && key != key::MakeHeader) {
        e.MakeHeader(TextOf(TextId::DefaultGoProgramName).data());
        e.ui().SetScrollRange(GO_LIST, e.LineCount(GO_LIST));
        e.ui().RepaintList(GO_LIST, 1);
    }
    const bool defining = e.procedureBeingDefined != 0;
    // A definition opened by a click records no GO position; fall back to
    // the GO list's head so that keying resumes at an instruction that exists.
    if (defining && !e.goPosition)
        e.goPosition = e.Head(GO_LIST);
    const int list = defining ? PROC_LIST : GO_LIST;
    const KeyStatus st = EditorKey(e, key, argument);
    switch (st) {
    case status::Refused:
        return st;
    case status::Added:
        e.modified = 1;
        break;
    case status::DefinitionMade:
        e.modified = 1;
        MoveDefinitionToProcList(e);
        break;
    case status::DefinitionOpened:
        e.ui().HideListCursor(GO_LIST);
        e.ui().ShowListCursor(PROC_LIST, e.LineOf(PROC_LIST, e.cursor), cursor::Editing);
        break;
    default:
        break;
    }
    ApplyStatus(e, list, st);
    if (st == status::Deleted)
        e.modified = (e.Head(GO_LIST) || e.Head(PROC_LIST)) ? 1 : 0;
    if (st == status::Cleared)
        e.modified = e.Head(PROC_LIST) ? 1 : 0;
    if (e.cursor && e.cursor->complete && st != status::Deleted && st != status::Cleared)
        e.ui().ShowListCursor(e.CurrentList(), e.LineOf(e.CurrentList(), e.cursor),
                              cursor::Editing);
    if (list == PROC_LIST && e.procedureBeingDefined == 0) {
        e.cursor = e.goPosition ? e.goPosition : e.Head(GO_LIST);
        e.goPosition = nullptr;
        if (e.cursor)
            e.ui().ShowListCursor(GO_LIST, e.LineOf(GO_LIST, e.cursor), cursor::Editing);
    }
    return st;
}

KeyStatus ConfirmedClearMemory(GoEditor& e) {
    if (e.procedureBeingDefined > 0) {
        Warn(e.ui(), TextId::FinishDefiningFirst);
        return status::Refused;
    }
    return ContainerKey(e, key::ClearMemory);
}

} // namespace zf
