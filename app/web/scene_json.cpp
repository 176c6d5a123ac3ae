#include "scene_json.h"

#include "files/bitmap.h"
#include "files/pixel_picture.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zf::web {

namespace {

class Json {
  public:
    Json& Raw(std::string_view text) {
        out_ += text;
        return *this;
    }
    Json& Key(const char* key) {
        if (!out_.empty() && out_.back() != '{' && out_.back() != '[')
            out_ += ',';
        out_ += '"';
        out_ += key;
        out_ += "\":";
        return *this;
    }
    Json& Number(double value) {
        char buffer[32];
        if (std::abs(value) < 1e15 && value == std::floor(value))
            std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
        else
            std::snprintf(buffer, sizeof buffer, "%.4f", value);
        out_ += buffer;
        return *this;
    }
    Json& Bool(bool value) { return Raw(value ? "true" : "false"); }
    Json& String(std::string_view text) { return Raw(JsonString(text)); }
    Json& Colour(SceneColour colour) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\"#%06x\"", colour & 0xFFFFFFu);
        return Raw(buffer);
    }
    Json& Colour(const std::optional<SceneColour>& colour) {
        return colour ? Colour(*colour) : Raw("null");
    }
    Json& Field(const char* key, double value) { return Key(key).Number(value); }
    const std::string& Text() const { return out_; }

  private:
    std::string out_;
};

const char* StyleName(SceneLineStyle style) {
    switch (style) {
    case SceneLineStyle::Dash:
        return "\"dash\"";
    case SceneLineStyle::Dot:
        return "\"dot\"";
    case SceneLineStyle::Solid:
        break;
    }
    return "\"solid\"";
}

const char* EndsName(ScenePenEnds ends) {
    switch (ends) {
    case ScenePenEnds::Round:
        return "\"round\"";
    case ScenePenEnds::Miter:
        return "\"miter\"";
    case ScenePenEnds::Square:
        break;
    }
    return "\"square\"";
}

void Box(Json& json, const SceneOp& op) {
    json.Field("x", op.x).Field("y", op.y).Field("w", op.w).Field("h", op.h);
}

void Pen(Json& json, const SceneOp& op) {
    json.Key("colour").Colour(op.colour).Field("width", op.width);
    json.Key("style").Raw(StyleName(op.style)).Key("ends").Raw(EndsName(op.ends));
}

// Keyed project pictures are "keyed:<path>", so that the page's picture
// calls need nothing but the source.
std::string ImageSource(const SceneOp& op) {
    if (op.keyed && op.text.starts_with("file:"))
        return "keyed:" + op.text.substr(5);
    return op.text;
}

void Op(Json& json, const SceneOp& op) {
    json.Raw("{");
    switch (op.kind) {
    case SceneOpKind::Fill:
        json.Key("op").String("fill");
        Box(json, op);
        json.Key("colour").Colour(op.colour);
        break;
    case SceneOpKind::Rect:
        json.Key("op").String("rect");
        Box(json, op);
        Pen(json, op);
        if (op.fill)
            json.Key("ground").Colour(*op.fill);
        break;
    case SceneOpKind::Line:
        json.Key("op").String("line");
        json.Field("x1", op.x).Field("y1", op.y).Field("x2", op.x2).Field("y2", op.y2);
        Pen(json, op);
        break;
    case SceneOpKind::Polygon:
        json.Key("op").String("polygon").Key("points").Raw("[");
        for (std::size_t i = 0; i < op.points.size(); ++i)
            json.Raw(i ? "," : "").Number(op.points[i]);
        json.Raw("]").Key("fill").Colour(op.fill);
        Pen(json, op);
        json.Key("smooth").Bool(op.smooth);
        break;
    case SceneOpKind::Ellipse:
        json.Key("op").String("ellipse");
        Box(json, op);
        json.Key("fill").Colour(op.fill);
        Pen(json, op);
        break;
    case SceneOpKind::Text:
        json.Key("op").String("text").Field("x", op.x).Field("y", op.y);
        json.Field("baseline", op.baseline).Key("text").String(op.text);
        json.Key("font").Raw(FontJson(op.font)).Key("colour").Colour(op.colour);
        json.Key("background").Raw("null");
        if (op.w > 0 && op.h > 0)
            json.Key("centreIn")
                .Raw("[")
                .Number(op.x2)
                .Raw(",")
                .Number(op.y2)
                .Raw(",")
                .Number(op.w)
                .Raw(",")
                .Number(op.h)
                .Raw("]");
        break;
    case SceneOpKind::Image:
        json.Key("op").String("image").Key("src").String(ImageSource(op));
        Box(json, op);
        json.Key("flipX").Bool(op.flipX).Key("flipY").Bool(op.flipY);
        if (op.multiply)
            json.Key("blend").String("multiply");
        break;
    case SceneOpKind::Robot:
        json.Key("op").String("robot").Field("x", op.x).Field("y", op.y).Field("side", op.w);
        break;
    }
    json.Raw("}");
}

const char* ArtFile(int id) {
    switch (id) {
    case 118:
        return "progicons.bmp";
    case 192:
        return "note.bmp";
    default:
        return nullptr;
    }
}

PixelPicture LoadPixels(const std::string& path) {
    const std::optional<PackedBitmap> bitmap = path.empty() ? std::nullopt : LoadPackedBitmap(path);
    return bitmap ? PixelsOfBitmap(*bitmap) : PixelPicture();
}

// "art:<number>#<cell>": a square cell of one of the program's strips, or
// the whole picture.
PixelPicture ArtPixels(std::string_view source) {
    const std::size_t hash = source.find('#');
    const int id = std::atoi(std::string(source.substr(0, hash)).c_str());
    const char* file = ArtFile(id);
    PixelPicture strip = file ? LoadPixels(std::string(kArtFolder) + file) : PixelPicture();
    if (hash == std::string_view::npos || strip.Empty())
        return strip;
    const int cell = std::atoi(std::string(source.substr(hash + 1)).c_str());
    const int side = strip.height;
    if (cell < 0 || (cell + 1) * side > strip.width)
        return {};
    PixelPicture out(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            out.At(x, y) = strip.At(cell * side + x, y);
    return out;
}

std::vector<std::uint8_t> RgbaBytes(const PixelPicture& picture) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(picture.pixels.size() * 4);
    for (const std::uint32_t p : picture.pixels) {
        bytes.push_back(static_cast<std::uint8_t>(p >> 16));
        bytes.push_back(static_cast<std::uint8_t>(p >> 8));
        bytes.push_back(static_cast<std::uint8_t>(p));
        bytes.push_back(static_cast<std::uint8_t>(p >> 24));
    }
    return bytes;
}

// The robot when its shape file cannot be read: a grey body with a nose to
// the right on a magenta (transparent) ground.
PixelPicture FallbackShape(int side) {
    PixelPicture shape(side, side, 0xFFFF00FFu);
    const double c = side * 0.5;
    const double r = side * 0.4;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - c;
            const double dy = y + 0.5 - c;
            const double d = std::sqrt(dx * dx + dy * dy);
            const bool nose =
                x + 0.5 >= side * 0.6 && std::abs(dy) <= (side * 0.9 - x - 0.5) * (2.0 / 3.0);
            if (nose || (d <= r && d > r - 1))
                shape.At(x, y) = 0xFF000000u;
            else if (d <= r)
                shape.At(x, y) = 0xFF999999u;
        }
    return shape;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string FontJson(const SceneFont& font) {
    Json json;
    json.Raw("{").Key("family").String(font.family).Field("px", font.px);
    json.Field("weight", font.weight).Key("italic").Bool(font.italic);
    json.Key("underline").Bool(font.underline).Key("strike").Bool(font.strike).Raw("}");
    return json.Text();
}

std::string SceneJson(const Scene& scene) {
    Json json;
    json.Raw("{").Field("width", scene.width).Field("height", scene.height).Key("ops").Raw("[");
    for (std::size_t i = 0; i < scene.ops.size(); ++i) {
        if (i)
            json.Raw(",");
        Op(json, scene.ops[i]);
    }
    json.Raw("]}");
    return json.Text();
}

TextExtent CallbackTextMeasure::Measure(const SceneFont& font, std::string_view utf8,
                                        bool wholePixels) {
    const std::string fontJson = FontJson(font);
    auto measured = [&] {
        TextExtent extent = callback_(fontJson, std::string(utf8));
        if (wholePixels)
            extent = {std::round(extent.width), std::round(extent.height),
                      std::round(extent.ascent)};
        return extent;
    };
    if (!utf8.empty())
        return measured();
    const std::string key = fontJson + (wholePixels ? "1" : "0");
    auto found = lines_.find(key);
    if (found == lines_.end())
        found = lines_.emplace(key, measured()).first;
    return found->second;
}

bool FilePictureSizes::SizeOf(const std::string& path, int& width, int& height) {
    auto found = sizes_.find(path);
    if (found == sizes_.end()) {
        std::pair<int, int> size;
        if (std::string_view(path).starts_with("art:")) {
            const PixelPicture art = ArtPixels(std::string_view(path).substr(4));
            size = {art.width, art.height};
        } else if (const std::optional<PackedBitmap> bitmap = LoadPackedBitmap(path)) {
            // The size alone: no pixels converted.
            size = {bitmap->Width(), bitmap->Height()};
        }
        found = sizes_.emplace(path, size).first;
    }
    width = found->second.first;
    height = found->second.second;
    return width > 0 && height > 0;
}

ListingLayout PageListingLayout(const NameTables& tables, const ZarnikState& state,
                                const std::string& folder, int iconSize, TextMeasure& measure,
                                PictureSizes& pictures) {
    return {tables,
            iconSize,
            {state.floorWidth, state.floorHeight},
            folder,
            0xFFFFFF,
            0x000000,
            false,
            ListCursorColours(false),
            measure,
            pictures};
}

std::string ListingJson(const ListingView& view, const ListingLayout& layout) {
    Scene scene;
    scene.width = view.width;
    scene.height = view.height;
    const bool cursor = view.cursorLine >= 0;
    if (cursor)
        AddListCursorBand(scene, view.cursorStyle, view.cursorLine, view.width, layout);
    AddListing(scene, view.head, view.firstLine, view.height, layout);
    if (cursor)
        AddListCursorFrame(scene, view.cursorStyle, view.cursorLine, view.width, layout);
    return SceneJson(scene);
}

FloorRegion AreaRegion(const ZarnikState& state, float zoom) {
    return {0, 0, static_cast<int>(state.floorWidth * double{zoom} / 1000),
            static_cast<int>(state.floorHeight * double{zoom} / 1000)};
}

std::string FloorJson(WorkingAreaScene& scene, int width, int height, bool withRobot,
                      TextMeasure& measure, PictureSizes& pictures, const FloorDrag* drag) {
    const float zoom = FitZoom(scene.state, width, height);
    const FloorRegion region = AreaRegion(scene.state, zoom);
    GraphicObject* dragged = drag && drag->Moved() ? drag->object() : nullptr;
    if (dragged)
        scene.hidden = dragged;
    const FloorPainters painters{measure, pictures};
    Scene out = BuildFloorScene(scene, region, zoom, painters, withRobot);
    if (dragged) {
        ZarnikState view = scene.state;
        view.zoom = zoom;
        GraphicObject at = *dragged;
        at.x = PixelsToMm(view, drag->ObjectPixelX());
        at.y = PixelsToMm(view, drag->ObjectPixelY());
        AddStampOrText(out, scene.objects.tables(), at, view, region.x, region.y, scene.folder,
                       painters);
    }
    std::string json = SceneJson(out);
    json.insert(json.size() - 1, ",\"area\":{\"x\":" + std::to_string(region.x) +
                                     ",\"y\":" + std::to_string(region.y) +
                                     ",\"w\":" + std::to_string(region.width) +
                                     ",\"h\":" + std::to_string(region.height) + "}");
    return json;
}

std::vector<std::uint8_t> PictureRgba(const std::string& source, int w, int h, bool flipX,
                                      bool flipY) {
    const std::string_view src = source;
    const bool keyed = src.starts_with("keyed:");
    PixelPicture picture;
    if (keyed)
        picture = LoadPixels(source.substr(6));
    else if (src.starts_with("file:"))
        picture = LoadPixels(source.substr(5));
    else if (src.starts_with("art:"))
        picture = ArtPixels(src.substr(4));
    PixelPicture sized = Stretched(picture, w, h, flipX, flipY);
    if (sized.Empty())
        return {};
    if (keyed)
        KeyOut(sized, sized.At(0, 0));
    return RgbaBytes(sized);
}

std::vector<std::uint8_t> SpriteRgba(const ZarnikState& state, const NameTables& tables,
                                     const std::string& folder) {
    const int side = PixelsPerStep(state);
    if (side < 1)
        return {};
    PixelPicture loaded =
        LoadPixels(ProjectPicturePath(folder, "zarniks", tables.names.Get(state.shapeId)));
    if (loaded.Empty())
        loaded = FallbackShape(side);
    // The key stays at the top-left whichever way the shape is mirrored.
    const PixelPicture shape = Stretched(loaded, side, side, false, state.flipped);
    const std::uint32_t key = shape.At(0, 0);
    PixelPicture sprite = Rotated(shape, state.heading - 90);
    KeyOut(sprite, key);
    return RgbaBytes(sprite);
}

} // namespace zf::web
