#pragma once

#include "program/instruction.h"
#include "program/key_sequence.h"

#include <QString>

namespace zf::ui {

// Words a screen reader says, in the current language.
QString Say(const char* words);

// A keypad key as a teacher would say it ("Turn left", "Clear memory", "7"),
// or "" for a code that is no key of the keypad.
QString KeyName(int keyCode);

// A listing line read aloud in the order its pictures are drawn:
// "Repeat 4, open bracket", "Forward 2", "Stamp: apple.bmp".
QString SpokenInstruction(const GoInstruction& in, const NameTables& tables, FloorMm floor);

} // namespace zf::ui
