#pragma once

#include "program/editor.h"
#include "program/key_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace zf {

// The working area size in mm, needed to turn step coordinates from the
// centre into positions and back.
struct FloorMm {
    int width = 3000;
    int height = 3000;
};

struct KeyPress {
    enum class Kind { Key, ConfirmedClear, Go };
    Kind kind = Kind::Key;
    int key = 0;
    KeyArgument argument;
};

// Reads the key-sequence notation ("FD 2 RPT 4 [ FD 1 ]"); on a bad token
// answers false with a description of it in `error`.
bool ParseKeySequence(NameTables& tables, std::string_view sequence, std::vector<KeyPress>& presses,
                      std::string& error, FloorMm floor = {});

// Keys each press through the Go container, as the keypad would; GO asks the
// interface for a run. Answers false (keying nothing) on a bad sequence.
bool KeySequence(GoEditor& editor, std::string_view sequence, std::string* error = nullptr,
                 FloorMm floor = {});

// One instruction in the notation, as its listing line shows it.
std::string ListingLine(const GoInstruction& in, const NameTables& tables, FloorMm floor = {});

// "GO:", the GO list, "PROC:", the PROC list and "units left: N", a line each.
std::string FormatLists(const GoEditor& editor, FloorMm floor = {});

// "! ID TEXT", with "-" for an unnumbered text; the lines after a line break
// are indented under the first.
std::string FormatShownMessage(TextId id, const std::string& text);
// Text from a file as it may go to a terminal: control bytes (C0, DEL and
// C1 written as UTF-8) as \xHH, everything else as it is. Listings quote
// texts and names the same way, and the key notation reads \xHH back.
std::string Printable(std::string_view text);

} // namespace zf
