#include "simulation/working_area_dialogs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zf {

namespace {

std::string Steps(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3g", value);
    return buffer;
}

} // namespace

PositionBoxes PositionBoxesFor(const ZarnikState& state, int x, int y) {
    const int cx = state.floorWidth / 2, cy = state.floorHeight / 2;
    PositionBoxes boxes;
    if (x >= cx)
        boxes.right = Steps((x - cx) / double(kStepMm));
    else
        boxes.left = Steps((cx - x) / double(kStepMm));
    if (y <= cy)
        boxes.up = Steps((cy - y) / double(kStepMm));
    else
        boxes.down = Steps((y - cy) / double(kStepMm));
    return boxes;
}

FloorPoint PositionFromBoxes(const ZarnikState& state, const PositionBoxes& boxes) {
    const double X =
        !boxes.right.empty() ? ReadDecimalBox(boxes.right) : -ReadDecimalBox(boxes.left);
    const double Y = !boxes.up.empty() ? -ReadDecimalBox(boxes.up) : ReadDecimalBox(boxes.down);
    // Kept whole rather than cut to 16 bits, so that a far entry is refused
    // by the bounds check instead of wrapping back into the area.
    auto mm = [](double steps, int centre) {
        const double v = std::trunc(steps * kStepMm + centre);
        return static_cast<std::int32_t>(std::clamp(v, -1e9, 1e9));
    };
    return FloorPoint{mm(X, state.floorWidth / 2), mm(Y, state.floorHeight / 2)};
}

FloorSteps SizeBoxesFor(const ZarnikState& state) {
    return FloorSteps{state.floorWidth / kStepMm, state.floorHeight / kStepMm};
}

std::optional<FloorSteps> SizeFromBoxes(UserInterface& ui, std::string_view width,
                                        std::string_view height) {
    const FloorSteps size{ReadWholeBox(width), ReadWholeBox(height)};
    if (size.width < 1 || size.height < 1) {
        Warn(ui, TextId::AreaSmallerThanZarnik);
        return std::nullopt;
    }
    return size;
}

ResizeResult ResizeWorkingArea(UserInterface& ui, ZarnikState& state, PenTrail& trail,
                               GraphicObjectList& objects, FloorSteps size) {
    const int width = size.width * kStepMm, height = size.height * kStepMm;
    if (width == state.floorWidth && height == state.floorHeight)
        return ResizeResult::Unchanged;
    if (!objects.empty() || trail.trailLength() > 0) {
        const std::string caption = std::string(TextOf(TextId::ProductName)) + " - " +
                                    std::string(TextOf(TextId::ResizeWorkingArea));
        if (ui.AskWithCaption(caption, std::string(TextOf(TextId::ResizeClearsGraphics)),
                              Buttons::YesNoCancel) != Answer::Yes)
            return ResizeResult::Kept;
        objects.Clear();
        trail.ClearPenTrail();
    }
    state.floorWidth = width;
    state.floorHeight = height;
    CentreZarnik(state);
    return ResizeResult::Resized;
}

FloorSteps BackgroundCreateSize(const ZarnikState& state, int screenWidth, int screenHeight) {
    if (state.floorWidth < 1 || state.floorHeight < 1)
        return {};
    const double scale = std::min((0.4 * screenWidth + 0.5) / state.floorWidth,
                                  (0.4 * screenHeight + 0.5) / state.floorHeight);
    return FloorSteps{static_cast<int>(scale * state.floorWidth),
                      static_cast<int>(scale * state.floorHeight)};
}

} // namespace zf
