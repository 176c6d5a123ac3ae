#pragma once

#include "program/editor.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zf {

namespace key {
enum : int {
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
    Bracket = 11,
    CloseDefinition = 12,
    ClearMemory = 16,
    Go = 17,
    ClearEntry = 18,
    SetPosition = 32,
    SetHeading = 33,
    SetShape = 34,
    PlaceStamp = 35,
    PenDown = 36,
    PenUp = 37,
    FlipZarnik = 38,
    MakeHeader = 39,
    FlipStamp = 40,
    PlaceText = 41,
    EditText = 43,
    Digit0 = 240,
    Digit9 = 249,
};
} // namespace key

// What a key did, for the list windows.
namespace status {
enum : int {
    Refused = 0,
    Changed = 1,
    Added = 2,
    Deleted = 3,
    Cleared = 4,
    DefinitionMade = 5,
    DefinitionClosed = 6,
    DefinitionOpened = 7,
};
} // namespace status

// The argument a key carries: a position pair, a heading, or a file name.
// A PlaceText key may carry its text already chosen; without one the text
// dialog is asked.
struct KeyArgument {
    std::int32_t value1 = 0;
    std::int32_t value2 = 0;
    std::string name;
    std::optional<TextObjectRecord> text;
};

using KeyStatus = int;

KeyStatus EditorKey(GoEditor& editor, int key, const KeyArgument& argument = {});

// The Go container's handling of one key: header creation, EditorKey, the
// move of a new definition to the PROC list, and the return to the GO list.
KeyStatus ContainerKey(GoEditor& editor, int key, const KeyArgument& argument = {});

// The second CM press of the keypad: refused while a definition is open.
KeyStatus ConfirmedClearMemory(GoEditor& editor);

} // namespace zf
