#include "simulation/text_placement.h"

#include "program/string_table.h"

#include <cmath>

namespace zf {

int PreviewPixelsToMm(int pixels) {
    return static_cast<int>(pixels * 7.5);
}

std::optional<TextObjectRecord> TextRecordOfObject(const NameTables& tables,
                                                   const GraphicObject& object) {
    if (object.kind != objectkind::Text || object.param1 < 0)
        return std::nullopt;
    const std::uint8_t* bytes = tables.textObjects.Get(static_cast<std::uint32_t>(object.param1));
    if (!bytes)
        return std::nullopt;
    return TextObjectRecord::FromBytes(bytes);
}

std::string DialogTextOf(const NameTables& tables, const TextObjectRecord& record) {
    return std::string(tables.texts.Get(record.textId)).substr(0, kMaxDialogText);
}

GraphicObject* CreatePlacedText(GraphicObjectList& objects, const TextObjectRecord& chosen, int x,
                                int y, int firstWidth, int firstHeight) {
    TextObjectRecord record = chosen;
    record.placement = 2;
    record.x = x;
    record.y = y;
    NameTables& tables = objects.tables();
    record.textId = tables.texts.Add(tables.texts.Get(chosen.textId));
    const TextObjectRecord::Bytes bytes = record.ToBytes();
    const std::uint32_t index = tables.textObjects.Add(bytes.data());
    GraphicObject* text = objects.CreateGraphicObject("", objectkind::Text, x, y,
                                                      static_cast<std::int32_t>(index), 2, 0, 0);
    text->width = firstWidth;
    text->height = firstHeight;
    return text;
}

GraphicObject* ReplaceTextObject(GraphicObjectList& objects, const GraphicObject& old,
                                 const TextObjectRecord& edited, int firstWidth, int firstHeight) {
    const int cx = old.x + old.width / 2, cy = old.y + old.height / 2;
    GraphicObject* text = CreatePlacedText(objects, edited, cx, cy, firstWidth, firstHeight);
    objects.RemoveGraphicObject(&old);
    return text;
}

int LogFontHeightForPoints(double points) {
    return -static_cast<int>(std::lround(points * 96.0 / 72.0));
}

double PointsForLogFontHeight(int height) {
    return std::abs(height) * 72.0 / 96.0;
}

} // namespace zf
