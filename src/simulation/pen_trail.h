#pragma once

#include <array>
#include <cstdint>

namespace zf {

// The line of a pen style: the eight pens' colours (0xRRGGBB) and widths in
// screen pixels at any zoom; width 0, no line, for -1 and anything unknown.
struct PenLine {
    std::uint32_t colour = 0;
    int width = 0;
};
PenLine PenOfStyle(int style);

struct TrailPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    // Pen style of the line ending here; -1 when the pen was up on the way.
    std::int16_t style = -1;
    bool operator==(const TrailPoint&) const = default;
};

// Every line the pen has drawn, in millimetres so a zoom change costs nothing.
class PenTrail {
  public:
    static constexpr int kMaxPoints = 2000;

    PenTrail() { ClearPenTrail(); }

    // A chain of pen-up moves keeps only its end; points past the last slot
    // are dropped.
    void AppendTrailPoint(std::int32_t x, std::int32_t y);
    void SetTrailStyle(std::int16_t style) { trailStyle_ = style; }
    void ClearPenTrail();
    void MarkRunStart() { runStartLength_ = length_; }
    void TrimPenTrailToRunStart();

    TrailPoint GetTrailPoint(int i) const;
    // The project reader's form: writes slot i and makes the length i + 1.
    void SetTrailPoint(const TrailPoint& point, int i);

    int trailLength() const { return length_; }
    std::int16_t trailStyle() const { return trailStyle_; }
    int runStartLength() const { return runStartLength_; }

  private:
    std::array<TrailPoint, kMaxPoints> points_;
    std::int16_t length_ = 0;
    std::int16_t trailStyle_ = -1;
    std::int16_t runStartLength_ = 0;
};

} // namespace zf
