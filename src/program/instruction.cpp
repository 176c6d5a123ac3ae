#include "program/instruction.h"

namespace zf {

std::unique_ptr<GoInstruction> GoInstruction::Copy() const {
    auto copy = std::make_unique<GoInstruction>(opcode);
    copy->bracketOpen = bracketOpen;
    copy->bracketClosed = bracketClosed;
    copy->complete = complete;
    copy->digits = digits;
    copy->value1 = value1;
    copy->value2 = value2;
    copy->nameId = nameId;
    if (textObject)
        copy->textObject = std::make_unique<TextObjectRecord>(*textObject);
    copy->indent = indent;
    copy->lineCount = lineCount;
    return copy;
}

int GoInstruction::DigitCount() const {
    int n = 0;
    while (n < 4 && digits[n] != kNoDigit)
        ++n;
    return n;
}

int OpcodeUnits(std::uint8_t opcode) {
    switch (opcode) {
    case op::Forward:
    case op::Back:
    case op::Procedure:
    case op::Quaver:
    case op::Wait:
    case op::RepeatEnd:
    case op::QuaverSetting:
    case op::MoveUnit:
        return 3;
    case op::Left:
    case op::Right:
    case op::Sense:
    case op::TurnUnit:
        return 4;
    case op::Repeat:
    case op::Motor:
        return 5;
    case op::Toggle:
        return 2;
    case op::ProcedureEnd:
        return 1;
    case op::ProcedureDef:
        return 8;
    default:
        return 0;
    }
}

bool IsGraphicCommand(std::uint8_t opcode) {
    return opcode >= op::SetPosition && opcode != op::Unset;
}

bool IsRobotOpcode(std::uint8_t opcode) {
    return opcode <= op::TurnUnit || opcode == op::ProcedureDef;
}

bool IsDefinedOpcode(std::uint8_t opcode) {
    return IsRobotOpcode(opcode) || (opcode >= op::SetPosition && opcode <= op::PlaceText);
}

namespace {

// Reads slots [first, last] (0-based): an unkeyed first slot counts 0 and
// reading stops at the first unkeyed slot.
int ReadSlots(const GoInstruction& in, int first, int last) {
    int value = 0;
    for (int i = first; i <= last; ++i) {
        std::uint8_t d = in.digits[i];
        if (d == kNoDigit)
            break;
        value = value * 10 + d;
    }
    return value;
}

} // namespace

int InstructionNumber(const GoInstruction& in, int part) {
    const bool second = part == 2;
    switch (in.opcode) {
    case op::Forward:
    case op::Back:
    case op::Repeat:
    case op::Procedure:
    case op::Wait:
    case op::MoveUnit:
    case op::ProcedureDef:
        return ReadSlots(in, 0, 1);
    case op::Left:
    case op::Right:
    case op::TurnUnit:
        return ReadSlots(in, 0, 2);
    case op::Quaver:
        return second ? ReadSlots(in, 1, 2) : ReadSlots(in, 0, 0);
    case op::Motor:
        return second ? ReadSlots(in, 1, 3) : ReadSlots(in, 0, 0);
    case op::Sense:
        if (in.bracketOpen)
            return ReadSlots(in, 0, 0);
        return second ? ReadSlots(in, 1, 2) : ReadSlots(in, 0, 0);
    case op::Toggle:
    case op::QuaverSetting:
        return second ? ReadSlots(in, 1, 1) : ReadSlots(in, 0, 0);
    default:
        return 0;
    }
}

bool IsPlainFileName(std::string_view name) {
    const bool drive = name.size() >= 2 && name[1] == ':';
    return name.find_first_of("/\\") == std::string_view::npos && !drive && name != "." &&
           name != "..";
}

} // namespace zf
