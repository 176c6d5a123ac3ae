#include "render/listing_lines.h"

#include "render/picture_cache.h"
#include "render/scene_painter.h"

namespace zf {

namespace {

SceneColour ColourOf(const QColor& colour) {
    return colour.rgb() & 0xFFFFFFu;
}

// A scene painted where it is built: no clip of its own.
class Painted {
  public:
    explicit Painted(QPainter& painter) : painter_(painter) {}
    ~Painted() { PaintScene(painter_, scene_); }
    Painted(const Painted&) = delete;
    Painted& operator=(const Painted&) = delete;
    Scene& scene() { return scene_; }

  private:
    QPainter& painter_;
    Scene scene_;
};

} // namespace

ListingLayout LayoutOf(const ListingStyle& style) {
    static CachedPictureSizes pictures;
    return {style.tables,
            style.iconSize,
            style.floor,
            style.folder,
            ColourOf(style.background),
            ColourOf(style.text),
            style.highContrast,
            ListCursorColours(style.highContrast),
            ScreenTextMeasure(),
            pictures};
}

int DrawInstructionLine(QPainter& painter, const GoInstruction& in, int x, int y,
                        const ListingStyle& style) {
    // A listing line is drawn on its own: its pictures are looked at anew.
    ProjectPictures().NewPaint();
    Painted painted(painter);
    return AddInstructionLine(painted.scene(), in, x, y, LayoutOf(style));
}

int InstructionLineWidth(const GoInstruction& in, const ListingStyle& style) {
    return InstructionLineWidth(in, LayoutOf(style));
}

int ListingWidth(const GoInstruction* head, const ListingStyle& style) {
    return ListingWidth(head, LayoutOf(style));
}

int DrawListing(QPainter& painter, const GoInstruction* head, int firstLine, int height,
                const ListingStyle& style) {
    ProjectPictures().NewPaint();
    Painted painted(painter);
    return AddListing(painted.scene(), head, firstLine, height, LayoutOf(style));
}

void DrawListCursorBand(QPainter& painter, int style, int line, int width,
                        const ListingStyle& listing) {
    Painted painted(painter);
    AddListCursorBand(painted.scene(), style, line, width, LayoutOf(listing));
}

void DrawListCursorFrame(QPainter& painter, int style, int line, int width,
                         const ListingStyle& listing) {
    Painted painted(painter);
    AddListCursorFrame(painted.scene(), style, line, width, LayoutOf(listing));
}

} // namespace zf
