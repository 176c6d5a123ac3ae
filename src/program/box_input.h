#pragma once

#include <string_view>

namespace zf {

// What a keystroke in a numeric edit box is, as far as the filter cares.
// DialogKey stands for Tab, Return and Enter, which the dialog takes before
// any box sees them.
enum class BoxKey { Digit, KeypadDigit, Delete, Backspace, Escape, Left, Right, DialogKey, Other };

// The numeric keystroke filter of the dialogs' edit boxes: characters 0-9,
// ".", backspace, escape and Ctrl+A, and the keys above but Other, reach the
// box; everything else is swallowed, so letters never get in.
bool NumericFilterPassesCharacter(char32_t c);
bool NumericFilterPassesKey(BoxKey key);

// A box read as a decimal number or as a whole number (its leading digits);
// an empty or unreadable box reads 0.
double ReadDecimalBox(std::string_view text);
int ReadWholeBox(std::string_view text);

// Set Zarnik Heading: the anticlockwise box shows 360 minus the clockwise
// heading and the other way round; a heading read from a box is taken
// modulo 360, so neither box ever implies a negative heading.
int OppositeHeading(std::string_view box);
int HeadingFromBox(std::string_view box);

} // namespace zf
