#include "simulation/motion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zf {

namespace {

double Radians(int heading) {
    return heading * 3.14159265359 / 180;
}

int Sign(std::int32_t v) {
    return (v > 0) - (v < 0);
}

// The fewest millimetres MmToPixels makes a whole pixel of: the walk then
// compares integers on every pass and still draws exactly where the
// conversion would.
std::int32_t MmPerPixel(double pixelsPerMm) {
    constexpr std::int32_t kNeverDrawn = std::numeric_limits<std::int32_t>::max();
    if (!(pixelsPerMm > 1e-9))
        return kNeverDrawn;
    const double guess = std::floor(1 / pixelsPerMm - 0.5) - 2;
    auto d = static_cast<std::int32_t>(std::max(guess, 0.0));
    while (static_cast<int>(pixelsPerMm * (d + 0.5)) < 1)
        ++d;
    return d;
}

} // namespace

std::int32_t MoveDx(int heading, std::int32_t d) {
    return static_cast<std::int32_t>(std::sin(Radians(heading)) * d);
}

std::int32_t MoveDy(int heading, std::int32_t d) {
    return -static_cast<std::int32_t>(std::cos(Radians(heading)) * d);
}

MoveZarnik::MoveZarnik(const ZarnikState& state, int direction, std::int32_t distance)
    : x_(state.x), y_(state.y), lx_(state.x), ly_(state.y), maxX_(state.floorWidth - kHalfStepMm),
      maxY_(state.floorHeight - kHalfStepMm),
      mmPerPixel_(MmPerPixel(static_cast<double>(state.zoom) * 0.001)), done_(false) {
    const std::int32_t d = direction * distance;
    const std::int32_t dx = MoveDx(state.heading, d);
    const std::int32_t dy = MoveDy(state.heading, d);
    tx_ = x_ + dx;
    ty_ = y_ + dy;
    sx_ = Sign(dx);
    sy_ = Sign(dy);
    ax_ = std::abs(dx);
    ay_ = std::abs(dy);
    n_ = ax_ > ay_ ? ax_ : ay_;
}

WalkStep MoveZarnik::Advance() {
    if (done_)
        return WalkStep::Done;
    for (;;) {
        ex_ += ax_;
        ey_ += ay_;
        if (ex_ > n_) {
            ex_ -= n_;
            x_ += sx_;
            if (x_ > maxX_ || x_ < kHalfStepMm) {
                x_ -= sx_;
                edge_ = done_ = true;
                return WalkStep::Done;
            }
            moved_ |= std::abs(x_ - lx_) >= mmPerPixel_;
        }
        if (ey_ > n_) {
            ey_ -= n_;
            y_ += sy_;
            if (y_ > maxY_ || y_ < kHalfStepMm) {
                y_ -= sy_;
                edge_ = done_ = true;
                return WalkStep::Done;
            }
            moved_ |= std::abs(y_ - ly_) >= mmPerPixel_;
        }
        if (++k_ > n_) {
            done_ = true;
            return WalkStep::Done;
        }
        if (moved_) {
            lx_ = x_;
            ly_ = y_;
            moved_ = false;
            return WalkStep::DrawAndCheck;
        }
    }
}

std::int32_t MoveZarnik::Remainder() const {
    const double dx = tx_ - x_;
    const double dy = ty_ - y_;
    return static_cast<std::int32_t>(std::sqrt(dx * dx + dy * dy));
}

TurnZarnik::TurnZarnik(int heading, int direction, int degrees)
    : heading_(NormalHeading(heading)), direction_(direction), remaining_(degrees) {}

WalkStep TurnZarnik::Advance() {
    while (remaining_ >= 1) {
        heading_ += direction_;
        --remaining_;
        heading_ %= 360;
        if (heading_ < 0)
            heading_ += 360;
        if (remaining_ % 2 == 0)
            return WalkStep::DrawAndCheck;
        if (remaining_ == 1)
            return WalkStep::Draw;
    }
    return WalkStep::Done;
}

} // namespace zf
