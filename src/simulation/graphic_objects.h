#pragma once

#include "program/string_table.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace zf {

namespace objectkind {
enum : std::uint16_t { Background = 1, Stamp = 2, Text = 3 };
} // namespace objectkind

// A background, stamp or text on the working area.
struct GraphicObject {
    std::uint32_t nameId = 0;
    std::uint16_t kind = 0;
    // Stamp: the opcode that placed it (0 by hand); text: its record index.
    std::int32_t param1 = 0;
    // Text: placement mode still to apply, 0 once applied.
    std::int32_t param2 = 0;
    // Stamp: 1 when mirrored left-right.
    std::int32_t param3 = 0;
    // Background and stamp: centre; text: anchor, then top-left once placed.
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // runCount of the run that placed it; 0 when the user did.
    std::uint16_t runTag = 0;
};

// The objects of the working area in drawing order: a background first,
// then stamps and texts as they were placed.
class GraphicObjectList {
  public:
    using Objects = std::vector<std::unique_ptr<GraphicObject>>;

    explicit GraphicObjectList(NameTables& tables) : tables_(tables) {}
    // The tables its objects' file names and texts are kept in.
    NameTables& tables() const { return tables_; }

    // The file name goes into the name table. A background replaces the one
    // in front, or is put in front.
    GraphicObject* CreateGraphicObject(std::string_view fileName, std::uint16_t kind,
                                       std::int32_t x, std::int32_t y, std::int32_t param1,
                                       std::int32_t param2, std::int32_t param3,
                                       std::uint16_t runTag);
    // Removes a stamp or a text; a background stays.
    bool RemoveGraphicObject(const GraphicObject* object);
    // Removes every object placed by the run with this tag; answers how many.
    int RemoveObjectsOfRun(std::uint16_t tag);
    GraphicObject* LastGraphicObject() const;
    void Clear() { objects_.clear(); }
    // The list as it was at an earlier moment (undo).
    void Assign(const std::vector<GraphicObject>& objects);

    std::size_t size() const { return objects_.size(); }
    bool empty() const { return objects_.empty(); }
    const Objects& objects() const { return objects_; }
    GraphicObject& operator[](std::size_t i) const { return *objects_[i]; }

  private:
    NameTables& tables_;
    Objects objects_;
};

// Moves a text's anchor by its placement mode so that it keeps half a step
// (halfStepPx) clear of the robot; sizes in pixels.
void PlaceTextNear(GraphicObject& object, int textWidthPx, int textHeightPx, int halfStepPx,
                   double pixelsPerMm);

} // namespace zf
