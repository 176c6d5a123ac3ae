#include "simulation/pen_trail.h"

#include "simulation/zarnik_state.h"

#include <algorithm>

namespace zf {

PenLine PenOfStyle(int style) {
    static constexpr std::uint32_t kColours[4] = {0xFF0000, 0xFFFF00, 0x0000FF, 0x000000};
    if (style < 0 || style >= kPenCount)
        return {};
    return {kColours[style % 4], style < 4 ? 1 : 3};
}

void PenTrail::AppendTrailPoint(std::int32_t x, std::int32_t y) {
    if (trailStyle_ == -1 && length_ > 0 && points_[length_ - 1].style == -1) {
        points_[length_ - 1] = {x, y, -1};
        return;
    }
    if (length_ < kMaxPoints)
        points_[length_++] = {x, y, trailStyle_};
}

void PenTrail::ClearPenTrail() {
    length_ = 0;
    trailStyle_ = -1;
    for (auto& p : points_)
        p.style = -1;
}

void PenTrail::TrimPenTrailToRunStart() {
    // A trail cleared since the run started must not grow back old points.
    length_ = std::min(length_, runStartLength_);
    for (int i = length_; i < kMaxPoints; ++i)
        points_[i].style = -1;
}

TrailPoint PenTrail::GetTrailPoint(int i) const {
    return i >= 0 && i < kMaxPoints ? points_[i] : TrailPoint{};
}

void PenTrail::SetTrailPoint(const TrailPoint& point, int i) {
    if (i < 0 || i >= kMaxPoints)
        return;
    points_[i] = point;
    length_ = static_cast<std::int16_t>(i + 1);
}

} // namespace zf
