#include "simulation/object_tools.h"

#include <cstdlib>

namespace zf {

GraphicObject* FindObjectAt(const ZarnikState& state, const GraphicObjectList& objects, int px,
                            int py) {
    const int reach = PixelsPerStep(state) / 3;
    for (std::size_t i = objects.size(); i-- > 0;) {
        GraphicObject& o = objects[i];
        if (o.kind == objectkind::Stamp) {
            if (std::abs(px - MmToPixels(state, o.x)) <= reach &&
                std::abs(py - MmToPixels(state, o.y)) <= reach)
                return &o;
        } else if (o.kind == objectkind::Text) {
            const int left = MmToPixels(state, o.x), top = MmToPixels(state, o.y);
            if (px >= left && py >= top && px < left + MmToPixels(state, o.width) &&
                py < top + MmToPixels(state, o.height))
                return &o;
        }
    }
    return nullptr;
}

bool ClearOrFlipObjectAt(UserInterface& ui, const ZarnikState& state, GraphicObjectList& objects,
                         int px, int py, bool remove) {
    if (RefuseWhileRunning(ui, state))
        return false;
    GraphicObject* o = FindObjectAt(state, objects, px, py);
    if (!o)
        return false;
    if (remove)
        return objects.RemoveGraphicObject(o);
    if (o->kind != objectkind::Stamp)
        return false;
    o->param3 = o->param3 ? 0 : 1;
    return true;
}

void ClearAllObjects(ZarnikState& state, PenTrail& trail, GraphicObjectList& objects) {
    while (true) {
        GraphicObject* removable = nullptr;
        for (const auto& o : objects.objects())
            if (o->kind != objectkind::Background)
                removable = o.get();
        if (!removable)
            break;
        objects.RemoveGraphicObject(removable);
    }
    trail.ClearPenTrail();
    state.penDown = false;
    state.penStyle = -1;
}

void ClearWholeWorkingArea(ZarnikState& state, PenTrail& trail, GraphicObjectList& objects) {
    objects.Clear();
    trail.ClearPenTrail();
    state.penDown = false;
    state.penStyle = -1;
    SetHome(state, state.floorWidth / 2, state.floorHeight / 2);
    SetHomeHeading(state, 0);
}

} // namespace zf
