#pragma once

// The display lists and pictures the browser paints: the core builds them as
// the desktop's do; this turns them into JSON and RGBA bytes for the page.

#include "files/floor_scene.h"
#include "files/listing_scene.h"
#include "program/scene.h"
#include "simulation/floor_drag.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zf::web {

// Where the program's own pictures (the listings' icon strip and note) lie
// in the module's file system.
inline constexpr const char* kArtFolder = "/art/";

// A text as a JSON string: quotes, backslashes and control bytes escaped.
std::string JsonString(std::string_view text);
std::string FontJson(const SceneFont& font);
std::string SceneJson(const Scene& scene);

// Text measured by the page: a callback with the font as JSON and the text,
// answering its width, line height and ascent.
class CallbackTextMeasure : public TextMeasure {
  public:
    using Callback =
        std::function<TextExtent(const std::string& fontJson, const std::string& text)>;
    explicit CallbackTextMeasure(Callback callback) : callback_(std::move(callback)) {}
    TextExtent Measure(const SceneFont& font, std::string_view utf8, bool wholePixels) override;

  private:
    Callback callback_;
    std::map<std::string, TextExtent> lines_;
};

// The sizes of pictures in the module's file system, each file read once.
class FilePictureSizes : public PictureSizes {
  public:
    bool SizeOf(const std::string& path, int& width, int& height) override;

  private:
    std::map<std::string, std::pair<int, int>> sizes_;
};

// A list as its pane shows it: the cursor's band, the lines from firstLine
// down `height` pixels, the cursor's frame. cursorLine counts visible lines
// from 0; -1 shows none.
struct ListingView {
    const GoInstruction* head = nullptr;
    int firstLine = 0;
    int width = 0;
    int height = 0;
    int cursorStyle = 0;
    int cursorLine = -1;
};
std::string ListingJson(const ListingView& view, const ListingLayout& layout);

// A listing as the page shows and prints it: black on white, with the
// standard cursor marks, its pictures from the project's folder.
ListingLayout PageListingLayout(const NameTables& tables, const ZarnikState& state,
                                const std::string& folder, int iconSize, TextMeasure& measure,
                                PictureSizes& pictures);

// The working area's pixels at a zoom, its top-left at the list's.
FloorRegion AreaRegion(const ZarnikState& state, float zoom);

// The working area fitted into width x height pixels, with the robot's
// square when asked, and "area": where the working area lies in the list.
// A stamp or text being dragged is drawn last, where it would be dropped.
std::string FloorJson(WorkingAreaScene& scene, int width, int height, bool withRobot,
                      TextMeasure& measure, PictureSizes& pictures,
                      const FloorDrag* drag = nullptr);

// The pixels of an image op's source at w x h, mirrored as asked, as RGBA
// bytes (clear where keyed); empty when the picture cannot be read.
std::vector<std::uint8_t> PictureRgba(const std::string& source, int w, int h, bool flipX,
                                      bool flipY);
// The robot's picture as the robot op shows it: its shape at step size,
// mirrored when flipped, turned by its heading, its transparent colour clear.
std::vector<std::uint8_t> SpriteRgba(const ZarnikState& state, const NameTables& tables,
                                     const std::string& folder);

// Binds the methods above to the module's WebSession (scene_bindings.cpp).
template <typename Class>
void BindScene(const Class& session);

} // namespace zf::web
