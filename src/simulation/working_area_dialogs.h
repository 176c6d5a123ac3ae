#pragma once

#include "program/box_input.h"
#include "program/user_interface.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace zf {

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
