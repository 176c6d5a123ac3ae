#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// A colour as 0xRRGGBB.
using SceneColour = std::uint32_t;

struct SceneFont {
    std::string family = "Arial";
    int px = 12;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool operator==(const SceneFont&) const = default;
};

enum class SceneOpKind { Fill, Rect, Line, Polygon, Ellipse, Text, Image, Robot };
enum class SceneLineStyle { Solid, Dash, Dot };
// How a pen's lines end and meet: square ends and bevelled corners, round
// both (the pen trail), or square ends and mitred corners (bold frames).
enum class ScenePenEnds { Square, Round, Miter };

// One thing to paint, in pixels from the top-left corner; which fields
// count depends on the kind.
struct SceneOp {
    SceneOpKind kind = SceneOpKind::Fill;
    // Fill, rect, ellipse, image: the box. Line: from (x, y) to (x2, y2).
    // Text: the line box's top-left corner; with w and h, a label centred
    // in the box (x2, y2, w, h) by the painter's own measure, (x, y) being
    // where the core's measure centred it. Robot: the square, w its side.
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    double x2 = 0;
    double y2 = 0;
    // Polygon corners as x, y pairs.
    std::vector<double> points;
    SceneColour colour = 0;
    // Polygon and ellipse insides; a rect's ground between its dashes.
    std::optional<SceneColour> fill;
    // Outline pen width; 0 draws no outline.
    double width = 1;
    SceneLineStyle style = SceneLineStyle::Solid;
    ScenePenEnds ends = ScenePenEnds::Square;
    // Smoothed edges, for the few shapes drawn so.
    bool smooth = false;
    // Text: UTF-8. Image: "file:<path>" or "art:<name>#<cell>".
    std::string text;
    SceneFont font;
    // Text: where its baseline lies, as measured when it was laid out.
    double baseline = 0;
    bool flipX = false;
    bool flipY = false;
    // Image: pixels of the top-left pixel's colour are clear.
    bool keyed = false;
    // Image: multiplied with what lies below (black on white art).
    bool multiply = false;
};

// What a list or the working area shows, in paint order.
struct Scene {
    int width = 0;
    int height = 0;
    std::vector<SceneOp> ops;

    void Fill(double x, double y, double w, double h, SceneColour colour);
    void Line(double x1, double y1, double x2, double y2, SceneColour colour, double penWidth,
              ScenePenEnds ends = ScenePenEnds::Square);
    void Text(double x, double top, double baseline, std::string utf8, const SceneFont& font,
              SceneColour colour);
    void Image(std::string source, int x, int y, int w, int h, bool flipX, bool keyed);
};

struct TextExtent {
    double width = 0;
    double height = 0;
    double ascent = 0;
};

// Text measured by whoever paints it: font metrics on the desktop, the
// canvas in a browser.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // wholePixels: measured as a screen's whole-pixel font metrics give it.
    virtual TextExtent Measure(const SceneFont& font, std::string_view utf8, bool wholePixels) = 0;
};

// A text of 8-bit characters (the program's own texts and text objects) as
// UTF-8.
std::string Latin1ToUtf8(std::string_view text);

} // namespace zf
