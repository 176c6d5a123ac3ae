#pragma once

#include "program/user_interface.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/robot_view.h"
#include "simulation/zarnik_state.h"

namespace zf {

// A drag with the pointer on the working area: the robot to a new start, or
// a stamp or text to a new place. Points are pixels of the working area at
// the state's zoom, its top-left at (0, 0). The front end paints: the robot
// is drawn through the view as it follows the pointer, and a dragged object
// is drawn wherever ObjectPixel says, apart from the picture, until the drop.
class FloorDrag {
  public:
    enum class Kind { None, Robot, Object };

    FloorDrag(UserInterface& ui, RobotView& view, ZarnikState& state, PenTrail& trail,
              GraphicObjectList& objects)
        : ui_(ui), view_(view), state_(state), trail_(trail), objects_(objects) {}

    // What a press at a point would take up, refusals aside: for the pointer's
    // look over the working area.
    Kind Under(int x, int y) const;
    // False while a run is under way and not stopped: nothing can be dragged.
    bool Possible() const { return !state_.running || state_.paused; }

    // A press on a working area of width x height pixels. The robot cannot be
    // dragged during a run, stopped or not, and says so.
    Kind Press(int x, int y, int width, int height);
    // The robot's centre stays half a step inside every edge.
    void Move(int x, int y);
    // True when the robot or an object took a new place: the working area is
    // to be drawn anew and the project has changed.
    bool Release(int x, int y);
    // Lets go where the pointer was last seen: a run is about to start.
    bool LetGo() { return Release(pointerX_, pointerY_); }

    Kind kind() const { return kind_; }
    // The stamp or text being dragged, or none.
    GraphicObject* object() const { return kind_ == Kind::Object ? object_ : nullptr; }
    // Where the dragged object's own point (a stamp's centre, a text's
    // top-left corner) stands now.
    int ObjectPixelX() const { return pointerX_ + grabX_; }
    int ObjectPixelY() const { return pointerY_ + grabY_; }
    // The pointer has left the point it pressed.
    bool Moved() const { return pointerX_ != pressX_ || pointerY_ != pressY_; }

  private:
    bool OnRobot(int x, int y) const;
    bool Holds(const GraphicObject* object) const;
    void DropObject(int x, int y);

    UserInterface& ui_;
    RobotView& view_;
    ZarnikState& state_;
    PenTrail& trail_;
    GraphicObjectList& objects_;

    Kind kind_ = Kind::None;
    GraphicObject* object_ = nullptr;
    int width_ = 0, height_ = 0;
    // From the pointer to the robot's or the object's own point.
    int grabX_ = 0, grabY_ = 0;
    int pressX_ = 0, pressY_ = 0;
    int pointerX_ = 0, pointerY_ = 0;
    int oldX_ = 0, oldY_ = 0;
    bool savedPenDown_ = false;
    std::int16_t savedPenStyle_ = -1;
};

} // namespace zf
