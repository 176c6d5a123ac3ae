// The display lists' methods of the module's WebSession: listing, floor,
// pictureRgba and spriteRgba, with text measured by the page.
#include "scene_json.h"
#include "web_session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>

namespace zf::web {

namespace {

emscripten::val Bytes(const std::vector<std::uint8_t>& bytes) {
    // A copy the page owns: the module's memory may move as it grows.
    emscripten::val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return emscripten::val::global("Uint8Array").new_(view);
}

// Module.measureText(fontJson, text) -> [width, height, ascent].
TextExtent MeasureInPage(const std::string& fontJson, const std::string& text) {
    const emscripten::val answer = emscripten::val::module_property("measureText")(fontJson, text);
    return {answer[0].as<double>(), answer[1].as<double>(), answer[2].as<double>()};
}

TextMeasure& PageMeasure() {
    static CallbackTextMeasure measure(MeasureInPage);
    return measure;
}

std::string Listing(WebSession& s, int list, int iconSize, int firstLine, int height) {
    FilePictureSizes pictures;
    const ListingLayout layout =
        PageListingLayout(s.tables(), s.state(), s.project().folder, std::clamp(iconSize, 5, 50),
                          PageMeasure(), pictures);
    const GoInstruction* head = s.editor().Head(list);
    const int cursor = s.ui().CursorLine(list);
    const ListingView view{head,
                           firstLine,
                           ListingWidth(head, layout) + layout.iconSize,
                           height,
                           s.ui().CursorStyle(list),
                           cursor > firstLine ? cursor - 1 - firstLine : -1};
    return ListingJson(view, layout);
}

std::string Floor(WebSession& s, int width, int height, bool withRobot) {
    FilePictureSizes pictures;
    if (const float zoom = FitZoom(s.state(), width, height); zoom > 0)
        s.SetZoom(zoom);
    WorkingAreaScene scene{s.state(), s.trail(), s.objects(), s.project().folder};
    return FloorJson(scene, width, height, withRobot, PageMeasure(), pictures, &s.drag());
}

emscripten::val Picture(WebSession&, const std::string& source, int w, int h, bool flipX,
                        bool flipY) {
    return Bytes(PictureRgba(source, w, h, flipX, flipY));
}

emscripten::val Sprite(WebSession& s) {
    return Bytes(SpriteRgba(s.state(), s.tables(), s.project().folder));
}

} // namespace

template <typename Class>
void BindScene(const Class& session) {
    session.function("listing", &Listing)
        .function("floor", &Floor)
        .function("pictureRgba", &Picture)
        .function("spriteRgba", &Sprite);
}

template void BindScene(const emscripten::class_<WebSession>& session);

} // namespace zf::web
