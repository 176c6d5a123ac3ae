#pragma once

#include "program/text_object.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace zf {

// Opcodes are stored in files and drive the robot's encoding, so they stay
// plain byte values: a file may hold any byte here.
namespace op {
enum : std::uint8_t {
    Forward = 0,
    Back = 1,
    Left = 2,
    Right = 3,
    Repeat = 4,
    Procedure = 5,
    Quaver = 6,
    Wait = 7,
    Motor = 8,
    Sense = 9,
    Toggle = 10,
    RepeatEnd = 11,
    ProcedureEnd = 12,
    QuaverSetting = 13,
    MoveUnit = 14,
    TurnUnit = 15,
    ProcedureDef = 19,
    SetPosition = 32,
    SetHeading = 33,
    SetShape = 34,
    PlaceStamp = 35,
    PenDown = 36,
    PenUp = 37,
    FlipZarnik = 38,
    GoProgramHeader = 39,
    FlipStamp = 40,
    PlaceText = 41,
    Unset = 255,
};
} // namespace op

inline constexpr int GO_LIST = 1;
inline constexpr int PROC_LIST = 2;

inline constexpr std::uint8_t kNoDigit = 255;

struct GoInstruction {
    std::uint8_t opcode = op::Unset;
    std::uint32_t bracketOpen = 0;
    std::uint32_t bracketClosed = 0;
    std::uint32_t complete = 0;
    std::array<std::uint8_t, 4> digits{kNoDigit, kNoDigit, kNoDigit, kNoDigit};
    std::int32_t value1 = 0;
    std::int32_t value2 = 0;
    std::uint32_t nameId = 0;
    std::unique_ptr<TextObjectRecord> textObject;
    std::uint16_t indent = 0;
    std::uint16_t lineCount = 1;
    GoInstruction* next = nullptr;
    GoInstruction* prev = nullptr;
    // The editor list that holds it (0 for none), kept by the editor so that
    // finding an instruction's list never walks a long program.
    int list = 0;

    GoInstruction() = default;
    explicit GoInstruction(std::uint8_t code) : opcode(code) {}
    GoInstruction(const GoInstruction&) = delete;
    GoInstruction& operator=(const GoInstruction&) = delete;

    // All fields but the links, with the text object copied.
    std::unique_ptr<GoInstruction> Copy() const;

    int DigitCount() const;
    bool HasDigit() const { return digits[0] != kNoDigit; }
};

// Memory units the robot needs for an opcode; graphic commands need none.
int OpcodeUnits(std::uint8_t opcode);
bool IsGraphicCommand(std::uint8_t opcode);
// A keypad instruction, that is an opcode with a robot meaning (0..15, 19).
bool IsRobotOpcode(std::uint8_t opcode);
// An opcode of the table: a keypad instruction or a graphic command
// (32..41). Any other byte in a file is damage, never something to run.
bool IsDefinedOpcode(std::uint8_t opcode);

// A picture or program named by a program or a project: a file name alone
// ("" for none), never a folder, a drive or "..", so that no file can make
// the program open anything outside the project's folders.
bool IsPlainFileName(std::string_view name);

// Number `part` (1 or 2) of an instruction, read from its digit slots.
int InstructionNumber(const GoInstruction& instruction, int part);

} // namespace zf
