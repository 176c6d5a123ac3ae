#include "simulation/interpreter.h"

#include "program/texts.h"
#include "program/unnumbered_texts.h"
#include "simulation/notes.h"

namespace zf {

Interpreter::Interpreter(GoEditor& editor, ZarnikState& state, RobotView& view)
    : editor_(editor), ui_(editor.ui()), state_(state), view_(view) {
    stack_.reserve(64);
}

bool Interpreter::PushZFCommand(GoInstruction* instruction, int count) {
    if (stack_.size() >= kMaxFrames)
        return false;
    stack_.push_back({instruction, static_cast<std::uint16_t>(count)});
    return true;
}

GoInstruction* Interpreter::PopZFCommand(int& count) {
    if (stack_.empty())
        return nullptr;
    const ControlFrame frame = stack_.back();
    stack_.pop_back();
    count = frame.count;
    return frame.instruction;
}

bool Interpreter::StartCheck() {
    ClearControlStack();
    switch (CheckGoList(&editor_)) {
    case 0:
        break;
    case 2:
        Warn(ui_, TextId::NoGoProgram);
        return false;
    case 4:
        Warn(ui_, TextId::GoIncompleteInstruction);
        return false;
    default:
        return false;
    }
    const int proc = CheckProcList(&editor_);
    if (proc == 4)
        Warn(ui_, TextId::ProcIncompleteInstruction);
    if (proc != 0 && proc != 3)
        return false;
    currentInstruction = editor_.Head(GO_LIST);
    currentList = GO_LIST;
    return true;
}

RobotAction Interpreter::Next() {
    if (!currentInstruction) {
        currentList = 0;
        HideCursor(GO_LIST);
        HideCursor(PROC_LIST);
        ShowEditingCursor();
        return {RobotAction::Kind::Finished};
    }
    RobotAction action = Execute();
    if (currentInstruction)
        currentInstruction = currentInstruction->next;
    return action;
}

RobotAction Interpreter::Execute() {
    GoInstruction* in = currentInstruction;
    ++executed;
    view_.ShowInstruction(in);
    ShowRunningLine(in);

    const int opcode = in->opcode;
    switch (opcode) {
    case op::Forward:
    case op::Back:
    case op::Left:
    case op::Right:
        return Move(*in);
    case op::Repeat:
        return EnterRepeat(in);
    case op::Procedure:
        return CallProcedure(in);
    case op::Quaver:
        return PlayQuaver(*in);
    case op::Wait:
        return {RobotAction::Kind::Do, opcode, InstructionNumber(*in, 1)};
    case op::RepeatEnd:
        return EndRepeat();
    case op::ProcedureEnd:
        return ReturnFromProcedure();
    case op::QuaverSetting:
    case op::MoveUnit:
    case op::TurnUnit:
        return SetUnit(*in);
    case op::PlaceStamp:
        if (in->next && in->next->opcode == op::FlipStamp)
            return {RobotAction::Kind::Do, kFlippedStamp, 0, in};
        return {RobotAction::Kind::Do, opcode, 0, in};
    default:
        // A byte no instruction has (the flipped stamp's own code among
        // them) does nothing.
        return {RobotAction::Kind::Do, IsDefinedOpcode(in->opcode) ? opcode : int{op::Unset}, 0,
                in};
    }
}

void Interpreter::ShowRunningLine(const GoInstruction* in) {
    const int line = editor_.LineOf(currentList, in);
    ui_.ScrollToLine(currentList, line);
    if (currentList == GO_LIST) {
        HideCursor(GO_LIST);
        HideCursor(PROC_LIST);
        ShowCursor(GO_LIST, line, state_.stepPending ? cursor::SteppingGo : cursor::RunningGo);
        callDepth = 0;
    } else {
        HideCursor(PROC_LIST);
        ShowCursor(PROC_LIST, line,
                   state_.stepPending ? cursor::SteppingProc : cursor::RunningProc);
    }
}

RobotAction Interpreter::Move(const GoInstruction& in) {
    const int opcode = in.opcode;
    if (opcode == op::Forward || opcode == op::Back)
        return {RobotAction::Kind::Do, opcode, InstructionNumber(in, 1) * state_.units.stepUnit};
    // The angle is a 16-bit number: a large turn unit wraps it, and a
    // negative angle turns nothing. Stored programs rely on it.
    return {RobotAction::Kind::Do, opcode,
            static_cast<std::int16_t>(InstructionNumber(in, 1) * state_.units.turnUnit)};
}

RobotAction Interpreter::EnterRepeat(GoInstruction* in) {
    const int count = InstructionNumber(*in, 1);
    if (!PushZFCommand(in, count))
        return Fail(kUnnumbered, unnumbered::kRunMemoryLow);
    return {RobotAction::Kind::Do, in->opcode, count};
}

RobotAction Interpreter::CallProcedure(GoInstruction* in) {
    const int number = InstructionNumber(*in, 1);
    if (!PushZFCommand(in, 0))
        return Fail(kUnnumbered, unnumbered::kRunMemoryLow);
    ++callDepth;
    if (GoInstruction* def = editor_.FindProcedure(PROC_LIST, number)) {
        currentInstruction = def;
        currentList = PROC_LIST;
    } else {
        int ignored = 0;
        PopZFCommand(ignored);
        --callDepth;
    }
    return {RobotAction::Kind::Do, currentInstruction->opcode, number};
}

RobotAction Interpreter::PlayQuaver(const GoInstruction& in) {
    const int pitch = sound ? InstructionNumber(in, 2) : kRestPitch;
    const int ms = PlayNote(ui_, InstructionNumber(in, 1), pitch, state_.units.tempoIndex,
                            state_.units.octave);
    return {RobotAction::Kind::Note, in.opcode, ms};
}

RobotAction Interpreter::EndRepeat() {
    int count = 0;
    GoInstruction* repeat = PopZFCommand(count);
    if (!repeat)
        return Fail(TextId::UnbalancedRunStack, nullptr);
    if (count > 1) {
        currentInstruction = repeat;
        if (!PushZFCommand(repeat, count - 1))
            return Fail(kUnnumbered, unnumbered::kRunMemoryLow);
    }
    return {RobotAction::Kind::Do, op::RepeatEnd, 0};
}

RobotAction Interpreter::ReturnFromProcedure() {
    --callDepth;
    int count = 0;
    GoInstruction* call = PopZFCommand(count);
    if (!call)
        return Fail(TextId::UnbalancedRunStack, nullptr);
    currentInstruction = call;
    if (callDepth == 0)
        currentList = GO_LIST;
    return {RobotAction::Kind::Do, call->opcode, 0};
}

// The unit settings change the robot's units for the rest of the run.
RobotAction Interpreter::SetUnit(const GoInstruction& in) {
    switch (in.opcode) {
    case op::QuaverSetting:
        state_.units.tempoIndex = InstructionNumber(in, 1);
        state_.units.octave = InstructionNumber(in, 2);
        return {RobotAction::Kind::Do, in.opcode, 0};
    case op::MoveUnit:
        state_.units.stepUnit = InstructionNumber(in, 1);
        return {RobotAction::Kind::Do, in.opcode, state_.units.stepUnit};
    default:
        state_.units.turnUnit = InstructionNumber(in, 1);
        return {RobotAction::Kind::Do, in.opcode, state_.units.turnUnit};
    }
}

RobotAction Interpreter::Fail(TextId id, const char* text) {
    if (text)
        ui_.WarningBox(id, Translated(text));
    else
        Warn(ui_, id);
    currentInstruction = nullptr;
    return {RobotAction::Kind::Finished};
}

void Interpreter::Rewind() {
    currentInstruction = nullptr;
    HideCursor(GO_LIST);
    HideCursor(PROC_LIST);
    ShowEditingCursor();
}

void Interpreter::RestyleCursors(int goStyle, int procStyle) {
    if (cursors_[GO_LIST].visible)
        ShowCursor(GO_LIST, cursors_[GO_LIST].line, goStyle);
    if (cursors_[PROC_LIST].visible)
        ShowCursor(PROC_LIST, cursors_[PROC_LIST].line, procStyle);
}

void Interpreter::ShowCursor(int list, int line, int style) {
    cursors_[list] = {true, line, style};
    ui_.ShowListCursor(list, line, style);
}

void Interpreter::HideCursor(int list) {
    cursors_[list].visible = false;
    ui_.HideListCursor(list);
}

void Interpreter::ShowEditingCursor() {
    if (!editor_.cursor)
        return;
    const int list = editor_.CurrentList();
    ShowCursor(list, editor_.LineOf(list, editor_.cursor), cursor::Editing);
}

} // namespace zf
