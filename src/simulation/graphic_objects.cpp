#include "simulation/graphic_objects.h"

#include "program/string_table.h"

#include <algorithm>

namespace zf {

GraphicObject* GraphicObjectList::CreateGraphicObject(std::string_view fileName, std::uint16_t kind,
                                                      std::int32_t x, std::int32_t y,
                                                      std::int32_t param1, std::int32_t param2,
                                                      std::int32_t param3, std::uint16_t runTag) {
    auto object = std::make_unique<GraphicObject>();
    object->nameId = tables_.names.Add(fileName);
    object->kind = kind;
    object->x = x;
    object->y = y;
    object->param1 = param1;
    object->param2 = param2;
    object->param3 = param3;
    object->runTag = runTag;
    GraphicObject* made = object.get();
    if (kind != objectkind::Background)
        objects_.push_back(std::move(object));
    else if (!objects_.empty() && objects_.front()->kind == objectkind::Background)
        objects_.front() = std::move(object);
    else
        objects_.insert(objects_.begin(), std::move(object));
    return made;
}

bool GraphicObjectList::RemoveGraphicObject(const GraphicObject* object) {
    auto it = std::find_if(objects_.begin(), objects_.end(),
                           [object](const auto& o) { return o.get() == object; });
    if (it == objects_.end() || (*it)->kind == objectkind::Background)
        return false;
    objects_.erase(it);
    return true;
}

int GraphicObjectList::RemoveObjectsOfRun(std::uint16_t tag) {
    const auto before = objects_.size();
    std::erase_if(objects_, [tag](const auto& o) { return o->runTag == tag; });
    return static_cast<int>(before - objects_.size());
}

void GraphicObjectList::Assign(const std::vector<GraphicObject>& objects) {
    objects_.clear();
    for (const GraphicObject& o : objects)
        objects_.push_back(std::make_unique<GraphicObject>(o));
}

GraphicObject* GraphicObjectList::LastGraphicObject() const {
    return objects_.empty() ? nullptr : objects_.back().get();
}

void PlaceTextNear(GraphicObject& object, int w, int h, int s, double pixelsPerMm) {
    int dx = 0;
    int dy = 0;
    switch (object.param2) {
    case 0:
        return;
    case 1:
    case 2:
        dx = -w / 2;
        dy = -h / 2;
        break;
    case 3:
        dx = -w / 2;
        dy = -(s + h);
        break;
    case 4:
        dx = -w / 2;
        dy = s;
        break;
    case 5:
        dx = -(s + w);
        dy = -h / 2;
        break;
    case 6:
        dx = s;
        dy = -h / 2;
        break;
    case 7:
        dx = -(w + s);
        dy = -(s + h);
        break;
    case 8:
        dx = s;
        dy = -(s + h);
        break;
    case 9:
        dx = -(w + s);
        dy = s;
        break;
    case 10:
        dx = s;
        dy = s;
        break;
    default:
        break;
    }
    if (pixelsPerMm > 0) {
        object.x += static_cast<std::int32_t>(dx / pixelsPerMm);
        object.y += static_cast<std::int32_t>(dy / pixelsPerMm);
    }
    object.param2 = 0;
}

} // namespace zf
