// Dragging on the page's working area, by the same rules as the desktop's.
#include "web_session.h"

#include "scene_json.h"

#include "simulation/object_tools.h"

namespace zf::web {

int WebSession::DragPress(int x, int y) {
    const FloorRegion area = AreaRegion(state_, state_.zoom);
    const FloorDrag::Kind kind = drag_.Press(x, y, area.width, area.height);
    if (kind == FloorDrag::Kind::Object)
        ui_.events.repaintFloor = true;
    return static_cast<int>(kind);
}

void WebSession::DragMove(int x, int y) {
    // The robot is drawn through the view; an object is drawn where the
    // floor's list puts it while it is held.
    drag_.Move(x, y);
    if (drag_.object())
        ui_.events.repaintFloor = true;
}

void WebSession::DragRelease(int x, int y) {
    if (drag_.kind() == FloorDrag::Kind::None)
        return;
    drag_.Release(x, y);
    ui_.events.repaintFloor = true;
}

bool WebSession::ClearObjectAt(int x, int y) {
    if (!ClearOrFlipObjectAt(ui_, state_, objects_, x, y, true))
        return false;
    ui_.events.repaintFloor = true;
    return true;
}

} // namespace zf::web
