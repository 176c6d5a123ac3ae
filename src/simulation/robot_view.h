#pragma once

#include "program/instruction.h"
#include "simulation/graphic_objects.h"

namespace zf {

// What a run shows on the working area and the status line. The window
// layer draws; tests record; a headless run ignores it.
class RobotView {
  public:
    virtual ~RobotView() = default;

    // The robot moves from the position still held in the state to (x, y).
    virtual void DrawZarnikAt(int /*x*/, int /*y*/) {}
    // Shape, flip or heading changed: the sprite must be rebuilt.
    virtual void SpriteChanged() {}
    // A run placed a stamp, or a text whose placement is applied when it
    // is first measured.
    virtual void ObjectPlaced(GraphicObject& /*object*/) {}
    virtual void RepaintWorkingArea() {}
    // The instruction being executed, or none to clear the status line.
    virtual void ShowInstruction(const GoInstruction* /*instruction*/) {}
};

} // namespace zf
