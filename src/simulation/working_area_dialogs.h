#pragma once

#include "program/user_interface.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <optional>
#include <string>
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

// Set Zarnik Position: steps from the centre of the working area, one box
// of each pair filled ("%.3g"); at the centre right and up show 0.
struct PositionBoxes {
    std::string up, right, down, left;
};
PositionBoxes PositionBoxesFor(const ZarnikState& state, int x, int y);
struct FloorPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
// The point in mm the boxes give: a filled right box wins over left, a
// filled up box over down.
FloorPoint PositionFromBoxes(const ZarnikState& state, const PositionBoxes& boxes);

// Set Zarnik Heading: the anticlockwise box shows 360 minus the clockwise
// heading and the other way round; a heading read from a box is taken
// modulo 360, so neither box ever implies a negative heading.
int OppositeHeading(std::string_view box);
int HeadingFromBox(std::string_view box);

// Set Size of Working Area, in steps. Boxes hold at most two digits, the
// same 1..99 that projects and the options file allow.
inline constexpr int kMaxSizeBoxChars = 2;
struct FloorSteps {
    int width = 0;
    int height = 0;
};
FloorSteps SizeBoxesFor(const ZarnikState& state);
// A side below one step shows string 96 and gives nothing.
std::optional<FloorSteps> SizeFromBoxes(UserInterface& ui, std::string_view width,
                                        std::string_view height);

enum class ResizeResult { Unchanged, Kept, Resized };
// Applies a new size: asks string 1023 first when there are objects or a
// pen trail (anything but Yes keeps the old size; Yes clears them all),
// then puts the robot and its start in the new centre.
ResizeResult ResizeWorkingArea(UserInterface& ui, ZarnikState& state, PenTrail& trail,
                               GraphicObjectList& objects, FloorSteps size);

// The blank background Create makes: the working area's proportions at
// four tenths of the screen.
FloorSteps BackgroundCreateSize(const ZarnikState& state, int screenWidth, int screenHeight);

} // namespace zf
