#include "files/floor_scene.h"

#include "files/paths.h"
#include "files/pixel_picture.h"
#include "program/instruction.h"

#include <algorithm>
#include <cstring>

namespace zf {

namespace {

constexpr int kMaxDrawnText = 1024;
constexpr SceneColour kWhite = 0xFFFFFF;

int Scaled(int mm, double pixelsPerMm) {
    return static_cast<int>(mm * pixelsPerMm);
}

// The platform's colour value, 0x00BBGGRR, as 0xRRGGBB.
SceneColour FromColourRef(std::uint32_t colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

const std::uint8_t* TextRecordOf(const NameTables& tables, const GraphicObject& object) {
    if (object.param1 < 0)
        return nullptr;
    return tables.textObjects.Get(static_cast<std::uint32_t>(object.param1));
}

// The text as drawn and measured: at most 1024 characters of it.
std::string DrawnText(const NameTables& tables, const TextObjectRecord& record) {
    return std::string(tables.texts.Get(record.textId)).substr(0, kMaxDrawnText);
}

// Measures the text, applies a pending placement and stores its size.
void Measured(GraphicObject& object, const ZarnikState& view, int width, int height) {
    if (object.param2 != 0)
        PlaceTextNear(object, width, height, PixelsPerStep(view) / 2, view.zoom * 0.001);
    object.width = PixelsToMm(view, width);
    object.height = PixelsToMm(view, height);
}

void AddTextObject(Scene& out, const NameTables& tables, GraphicObject& object,
                   const ZarnikState& view, int originX, int originY, TextMeasure& measure) {
    const std::uint8_t* bytes = TextRecordOf(tables, object);
    if (!bytes)
        return;
    const TextObjectRecord record = TextObjectRecord::FromBytes(bytes);
    const SceneFont font = TextObjectFont(record.font, PixelsPerStep(view), measure);
    const std::vector<std::string> lines = TextLines(DrawnText(tables, record));
    int width = 0;
    int height = 0;
    MeasureTextBlock(measure, font, lines, width, height);
    Measured(object, view, width, height);

    const double ppm = view.zoom * 0.001;
    const TextExtent metrics = measure.Measure(font, {}, true);
    const int left = Scaled(object.x, ppm) - originX;
    const int top = Scaled(object.y, ppm) - originY;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double lineTop = top + static_cast<double>(i) * metrics.height;
        out.Text(left, lineTop, lineTop + metrics.ascent, lines[i], font,
                 FromColourRef(record.colour));
    }
}

// A picture fitted into w x h around a centre, opaque.
void AddFitted(Scene& out, const std::string& path, PictureSizes& pictures, int cx, int cy, int w,
               int h) {
    int pw = 0;
    int ph = 0;
    if (path.empty() || !pictures.SizeOf(path, pw, ph))
        return;
    const PixelBox box = FittedBox(pw, ph, cx, cy, w, h);
    if (box.Empty())
        return;
    out.Image("file:" + path, box.x, box.y, box.w, box.h, false, false);
}

} // namespace

std::string ProjectPicturePath(const std::string& folder, const char* subFolder,
                               const std::string& name) {
    // Checked here as well as where names are read: whatever put a name in
    // the table, no picture outside the project's folders is drawn.
    if (name.empty() || !IsPlainFileName(name))
        return {};
    return ResolvePath(JoinPath(JoinPath(folder, subFolder), ToNativePath(name)));
}

float FitZoom(const ZarnikState& state, int availableWidth, int availableHeight) {
    if (state.floorWidth < 1 || state.floorHeight < 1)
        return 0;
    return std::min(static_cast<float>(availableWidth) * 1000.0f / state.floorWidth,
                    static_cast<float>(availableHeight) * 1000.0f / state.floorHeight);
}

void AddPenTrail(Scene& out, const PenTrail& trail, double pixelsPerMm, int originX, int originY) {
    const int n = trail.trailLength();
    if (n < 2)
        return;
    TrailPoint from = trail.GetTrailPoint(0);
    for (int i = 1; i < n; ++i) {
        const TrailPoint to = trail.GetTrailPoint(i);
        if (const PenLine pen = PenOfStyle(to.style); pen.width > 0)
            out.Line(Scaled(from.x, pixelsPerMm) - originX, Scaled(from.y, pixelsPerMm) - originY,
                     Scaled(to.x, pixelsPerMm) - originX, Scaled(to.y, pixelsPerMm) - originY,
                     pen.colour, pen.width, ScenePenEnds::Round);
        from = to;
    }
}

void AddStampOrText(Scene& out, const NameTables& tables, GraphicObject& object,
                    const ZarnikState& view, int originX, int originY, const std::string& folder,
                    FloorPainters painters) {
    if (object.kind == objectkind::Text) {
        AddTextObject(out, tables, object, view, originX, originY, painters.measure);
        return;
    }
    const double ppm = view.zoom * 0.001;
    const int step = PixelsPerStep(view);
    int pw = 0;
    int ph = 0;
    const std::string path = ProjectPicturePath(folder, "objects", tables.names.Get(object.nameId));
    if (path.empty() || !painters.pictures.SizeOf(path, pw, ph))
        return;
    // Fitted into a step, then centred on its position at that size.
    const PixelBox size = FittedBox(pw, ph, 0, 0, step, step);
    if (size.Empty())
        return;
    const PixelBox at = FittedBox(size.w, size.h, Scaled(object.x, ppm) - originX,
                                  Scaled(object.y, ppm) - originY, size.w, size.h);
    out.Image("file:" + path, at.x, at.y, size.w, size.h, object.param3 == 1, true);
}

Scene BuildFloorScene(WorkingAreaScene& scene, const FloorRegion& region, float zoom,
                      FloorPainters painters, bool withRobot) {
    Scene out;
    out.width = region.width;
    out.height = region.height;
    if (zoom == 0.0f || region.width < 1 || region.height < 1)
        return out;
    ZarnikState view = scene.state;
    view.zoom = zoom;
    const double ppm = zoom * 0.001;
    // Where a background of other proportions leaves the floor uncovered,
    // the floor shows white.
    out.Fill(0, 0, region.width, region.height, kWhite);
    const NameTables& tables = scene.objects.tables();
    const auto& objects = scene.objects.objects();
    const bool background = !objects.empty() && objects.front()->kind == objectkind::Background;
    if (!background)
        AddPenTrail(out, scene.trail, ppm, region.x, region.y);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        GraphicObject& object = *objects[i];
        switch (object.kind) {
        case objectkind::Background:
            if (i != 0)
                break;
            AddFitted(out,
                      ProjectPicturePath(scene.folder, "backgnds", tables.names.Get(object.nameId)),
                      painters.pictures, Scaled(object.x, ppm) - region.x,
                      Scaled(object.y, ppm) - region.y, Scaled(view.floorWidth, ppm),
                      Scaled(view.floorHeight, ppm));
            AddPenTrail(out, scene.trail, ppm, region.x, region.y);
            break;
        case objectkind::Stamp:
        case objectkind::Text:
            if (&object != scene.hidden)
                AddStampOrText(out, tables, object, view, region.x, region.y, scene.folder,
                               painters);
            break;
        default:
            break;
        }
    }
    if (withRobot) {
        const FloorRegion square = RobotSquare(view, PixelsPerStep(view), view.x, view.y);
        SceneOp robot;
        robot.kind = SceneOpKind::Robot;
        robot.x = square.x - region.x;
        robot.y = square.y - region.y;
        robot.w = robot.h = square.width;
        out.ops.push_back(robot);
    }
    return out;
}

FloorRegion RobotSquare(const ZarnikState& state, int side, int x, int y) {
    const int half = static_cast<int>((side + 0.5) * 0.5);
    return {MmToPixels(state, x) - half, MmToPixels(state, y) - half, side, side};
}

SceneFont TextObjectFont(const LogFont& logFont, int pixelsPerStep, TextMeasure& measure) {
    const int height = static_cast<int>(logFont.height * (pixelsPerStep * 0.025));
    const std::size_t nameLength = strnlen(logFont.faceName.data(), logFont.faceName.size());
    SceneFont font;
    if (nameLength)
        font.family = Latin1ToUtf8(std::string_view(logFont.faceName.data(), nameLength));
    font.weight = std::clamp(logFont.weight ? logFont.weight : 400, 100, 900);
    font.italic = logFont.italic != 0;
    font.underline = logFont.underline != 0;
    font.strike = logFont.strikeOut != 0;
    if (height < 0) {
        // A negative height is the characters' own height.
        font.px = std::max(1, -height);
    } else if (height > 0) {
        // A positive height is the whole cell, leading included.
        font.px = 100;
        const double cell = measure.Measure(font, {}, false).height;
        font.px = std::max(1, static_cast<int>(height * 100 / cell));
    } else {
        font.px = std::max(1, static_cast<int>(pixelsPerStep * 0.4));
    }
    return font;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(Latin1ToUtf8(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    lines.push_back(Latin1ToUtf8(line));
    return lines;
}

void MeasureTextBlock(TextMeasure& measure, const SceneFont& font,
                      const std::vector<std::string>& lines, int& width, int& height) {
    width = 0;
    for (const std::string& line : lines)
        width = std::max(width, static_cast<int>(measure.Measure(font, line, true).width) + 1);
    height =
        static_cast<int>(lines.size()) * static_cast<int>(measure.Measure(font, {}, true).height);
}

bool MeasureTextObject(const NameTables& tables, GraphicObject& object, const ZarnikState& state,
                       TextMeasure& measure) {
    const std::uint8_t* bytes = TextRecordOf(tables, object);
    if (!bytes)
        return false;
    const TextObjectRecord record = TextObjectRecord::FromBytes(bytes);
    int width = 0;
    int height = 0;
    MeasureTextBlock(measure, TextObjectFont(record.font, PixelsPerStep(state), measure),
                     TextLines(DrawnText(tables, record)), width, height);
    Measured(object, state, width, height);
    return true;
}

} // namespace zf
