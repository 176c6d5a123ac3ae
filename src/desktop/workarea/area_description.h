#pragma once

#include "simulation/graphic_objects.h"
#include "simulation/zarnik_state.h"

#include <QString>

namespace zf::ui {

// The working area told in words for a screen reader: where the robot is in
// steps, which way it faces in degrees, its pen, and what lies on the floor.
QString AreaDescription(const ZarnikState& robot, const GraphicObjectList& objects);
// One stamp or text: what it is and where it lies, in steps.
QString ObjectDescription(const NameTables& tables, const GraphicObject& object);

} // namespace zf::ui
