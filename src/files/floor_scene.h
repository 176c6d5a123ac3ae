#pragma once

#include "program/scene.h"
#include "program/string_table.h"
#include "program/text_object.h"
#include "simulation/graphic_objects.h"
#include "simulation/pen_trail.h"
#include "simulation/zarnik_state.h"

#include <string>
#include <vector>

namespace zf {

// What the working area shows: the robot state (sizes), the pen trail and
// the objects, with the project folder the pictures come from. Texts get
// their placement and size when they are first drawn, so the objects are
// changed by drawing them (the list itself is not).
struct WorkingAreaScene {
    const ZarnikState& state;
    const PenTrail& trail;
    const GraphicObjectList& objects;
    std::string folder;
    // An object left out of the picture: one being dragged.
    const GraphicObject* hidden = nullptr;
};

// The sizes of the project's pictures, as whoever paints them reads them.
class PictureSizes {
  public:
    virtual ~PictureSizes() = default;
    // False when the file cannot be read as a picture.
    virtual bool SizeOf(const std::string& path, int& width, int& height) = 0;
};

// A project picture's path: the project folder, a sub-folder, the name (a
// stored name with backslashes is translated, case is matched loosely);
// empty, so that nothing is read, for a name that is no plain file name.
std::string ProjectPicturePath(const std::string& folder, const char* subFolder,
                               const std::string& name);

// The region of the working area a picture shows, in pixels at its zoom.
struct FloorRegion {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The zoom (pixels per metre) that fits the working area into a space.
float FitZoom(const ZarnikState& state, int availableWidth, int availableHeight);

struct FloorPainters {
    TextMeasure& measure;
    PictureSizes& pictures;
};

// The region of the working area at a zoom, its top-left at (0, 0): the
// white floor or the background, the pen trail, then stamps and texts in
// list order, and the robot's square last when asked.
Scene BuildFloorScene(WorkingAreaScene& scene, const FloorRegion& region, float zoom,
                      FloorPainters painters, bool withRobot = false);

// Every line of the trail with the pen of its end point; mm scaled by
// pixelsPerMm (truncated), less the origin.
void AddPenTrail(Scene& out, const PenTrail& trail, double pixelsPerMm, int originX, int originY);

// A stamp centred on its position, or a text from its top-left corner, with
// (originX, originY) of the working area at the view's zoom at the scene's
// top-left.
void AddStampOrText(Scene& out, const NameTables& tables, GraphicObject& object,
                    const ZarnikState& view, int originX, int originY, const std::string& folder,
                    FloorPainters painters);

// The robot's square of `side` pixels around a position in mm.
FloorRegion RobotSquare(const ZarnikState& state, int side, int x, int y);

// The font of a text record at a step size: its height is in 1/40 of a step.
SceneFont TextObjectFont(const LogFont& font, int pixelsPerStep, TextMeasure& measure);
// A text's lines (split at CR LF, CR or LF), as drawn, in UTF-8.
std::vector<std::string> TextLines(const std::string& text);
// The block a text takes: its widest line plus one pixel, by its lines'
// height.
void MeasureTextBlock(TextMeasure& measure, const SceneFont& font,
                      const std::vector<std::string>& lines, int& width, int& height);
// Measures a text object at the zoom of `state`, applies a pending placement
// and stores its size in mm. False when it has no record.
bool MeasureTextObject(const NameTables& tables, GraphicObject& object, const ZarnikState& state,
                       TextMeasure& measure);

} // namespace zf
