#include "simulation/floor_drag.h"

#include "simulation/object_tools.h"

#include <algorithm>
#include <cstdlib>

namespace zf {

bool FloorDrag::OnRobot(int x, int y) const {
    const int reach = PixelsPerStep(state_) / 3;
    return std::abs(x - MmToPixels(state_, state_.x)) <= reach &&
           std::abs(y - MmToPixels(state_, state_.y)) <= reach;
}

FloorDrag::Kind FloorDrag::Under(int x, int y) const {
    if (OnRobot(x, y))
        return state_.running ? Kind::None : Kind::Robot;
    if (!Possible())
        return Kind::None;
    return FindObjectAt(state_, objects_, x, y) ? Kind::Object : Kind::None;
}

FloorDrag::Kind FloorDrag::Press(int x, int y, int width, int height) {
    // A second finger while one drags takes nothing up.
    if (kind_ != Kind::None)
        return Kind::None;
    width_ = width;
    height_ = height;
    pressX_ = pointerX_ = x;
    pressY_ = pointerY_ = y;
    if (OnRobot(x, y)) {
        if (state_.running) {
            Warn(ui_, TextId::NoDragWhileRunning);
            return Kind::None;
        }
        // The pen is put aside so that the way to the new start leaves no line.
        savedPenDown_ = state_.penDown;
        savedPenStyle_ = state_.penStyle;
        state_.penDown = false;
        trail_.SetTrailStyle(-1);
        trail_.AppendTrailPoint(state_.x, state_.y);
        oldX_ = state_.x;
        oldY_ = state_.y;
        grabX_ = MmToPixels(state_, state_.x) - x;
        grabY_ = MmToPixels(state_, state_.y) - y;
        return kind_ = Kind::Robot;
    }
    if (!Possible())
        return Kind::None;
    object_ = FindObjectAt(state_, objects_, x, y);
    if (!object_)
        return Kind::None;
    grabX_ = MmToPixels(state_, object_->x) - x;
    grabY_ = MmToPixels(state_, object_->y) - y;
    return kind_ = Kind::Object;
}

void FloorDrag::Move(int x, int y) {
    if (kind_ == Kind::None)
        return;
    pointerX_ = x;
    pointerY_ = y;
    if (kind_ != Kind::Robot)
        return;
    const int half = MmToPixels(state_, kHalfStepMm);
    const int px = std::clamp(x + grabX_, half, std::max(half, width_ - half));
    const int py = std::clamp(y + grabY_, half, std::max(half, height_ - half));
    const int mmX = PixelsToMm(state_, px), mmY = PixelsToMm(state_, py);
    view_.DrawZarnikAt(mmX, mmY);
    state_.x = mmX;
    state_.y = mmY;
}

bool FloorDrag::Release(int x, int y) {
    const Kind kind = kind_;
    kind_ = Kind::None;
    if (kind == Kind::Robot) {
        const int newX = state_.x, newY = state_.y;
        state_.x = oldX_;
        state_.y = oldY_;
        trail_.AppendTrailPoint(oldX_, oldY_);
        state_.penDown = savedPenDown_;
        state_.penStyle = savedPenStyle_;
        SetHome(state_, newX, newY);
        return true;
    }
    // An object removed while it was held (a run's reset) is not touched.
    if (kind != Kind::Object || !Holds(object_) || (x == pressX_ && y == pressY_))
        return false;
    pointerX_ = x;
    pointerY_ = y;
    DropObject(ObjectPixelX(), ObjectPixelY());
    return true;
}

void FloorDrag::DropObject(int x, int y) {
    object_->x = PixelsToMm(state_, x);
    object_->y = PixelsToMm(state_, y);
    // An object dragged wholly off the working area is gone.
    const int w = std::max(MmToPixels(state_, object_->width), PixelsPerStep(state_));
    const int h = std::max(MmToPixels(state_, object_->height), PixelsPerStep(state_));
    const bool stamp = object_->kind == objectkind::Stamp;
    const int left = stamp ? x - w / 2 : x, top = stamp ? y - h / 2 : y;
    if (left + w <= 0 || top + h <= 0 || left >= width_ || top >= height_)
        objects_.RemoveGraphicObject(object_);
}

bool FloorDrag::Holds(const GraphicObject* object) const {
    return std::any_of(objects_.objects().begin(), objects_.objects().end(),
                       [object](const auto& o) { return o.get() == object; });
}

} // namespace zf
