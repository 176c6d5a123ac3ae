#pragma once

#include "program/user_interface.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

namespace zf {

// The last stamp or text under a pixel of the drawing window: a stamp within
// a third of a step of its centre, a text inside its box. Backgrounds are
// never found.
GraphicObject* FindObjectAt(const ZarnikState& state, const GraphicObjectList& objects, int px,
                            int py);

// Clear One Object (remove) or Flip Stamp let go at a pixel: refused while a
// run goes on unstopped; true when an object went or turned over.
bool ClearOrFlipObjectAt(UserInterface& ui, const ZarnikState& state, GraphicObjectList& objects,
                         int px, int py, bool remove);

// Every stamp and text goes, the background stays; the pen drawing goes and
// the pen is lifted.
void ClearAllObjects(ZarnikState& state, PenTrail& trail, GraphicObjectList& objects);

// Everything goes, the background too; the robot returns to the centre, facing up,
// and that becomes its start.
void ClearWholeWorkingArea(ZarnikState& state, PenTrail& trail, GraphicObjectList& objects);

} // namespace zf
