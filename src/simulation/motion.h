#pragma once

#include "simulation/zarnik_state.h"

#include <cstdint>

namespace zf {

// What a walker asks for when advanced.
enum class WalkStep {
    // Draw the robot at the walker's position; Stop may be taken afterwards.
    DrawAndCheck,
    // Draw the robot; no message is taken afterwards.
    Draw,
    // The primitive is over.
    Done,
};

// A straight move: a Bresenham walk in millimetres that asks for a draw each
// time the robot has moved a whole pixel. Advanced from outside, so that a
// timer, a headless loop or a test can drive it.
class MoveZarnik {
  public:
    MoveZarnik() = default;
    // direction +1 Forward, -1 Back; distance in mm.
    MoveZarnik(const ZarnikState& state, int direction, std::int32_t distance);

    // Walks on to the next pixel (DrawAndCheck) or to the end of the move
    // (Done; the robot is then drawn once more where it stands).
    WalkStep Advance();

    std::int32_t x() const { return x_; }
    std::int32_t y() const { return y_; }
    bool HitEdge() const { return edge_; }
    // The straight distance still to the target, as Stop returns it.
    std::int32_t Remainder() const;

  private:
    std::int32_t x_ = 0, y_ = 0, tx_ = 0, ty_ = 0;
    int sx_ = 0, sy_ = 0;
    std::int32_t ax_ = 0, ay_ = 0, n_ = 0;
    std::int32_t ex_ = 0, ey_ = 0, k_ = 0;
    std::int32_t lx_ = 0, ly_ = 0;
    // The robot has moved a whole pixel on some axis since the last draw.
    bool moved_ = false;
    std::int32_t maxX_ = 0, maxY_ = 0;
    std::int32_t mmPerPixel_ = 0;
    bool edge_ = false;
    bool done_ = true;
};

// A turn that redraws every second degree and the last two.
class TurnZarnik {
  public:
    // direction -1 Left, +1 Right.
    TurnZarnik(int heading, int direction, int degrees);

    WalkStep Advance();

    int heading() const { return heading_; }
    // Degrees still to turn, as Stop returns them.
    int Remainder() const { return remaining_; }

  private:
    int heading_;
    int direction_;
    int remaining_;
};

// The target of a straight move of signed length d from (x, y) at heading h.
std::int32_t MoveDx(int heading, std::int32_t d);
std::int32_t MoveDy(int heading, std::int32_t d);

} // namespace zf
