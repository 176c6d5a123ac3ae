#include "picture_output.h"

#include <cstdio>
#include <cstdlib>

#ifdef ZF_WITH_RENDER
#include "files/project_folder.h"
#include "gui_application.h"
#include "program/string_table.h"
#include "render/working_area.h"
#include "render/zarnik_sprite.h"
#endif

namespace zfield {

namespace {

bool ParseSize(const std::string& text, int& width, int& height) {
    char* end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    if (*end != 'x' && *end != 'X')
        return false;
    const char* rest = end + 1;
    const long h = std::strtol(rest, &end, 10);
    if (end == rest || *end != '\0' || w < 1 || h < 1 || w > 16384 || h > 16384)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

} // namespace

int TakePictureOptions(Args& args, PictureRequest& picture, const char* command) {
    Args rest;
    bool sized = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            picture.path = args[++i];
        } else if (args[i] == "--size" && i + 1 < args.size()) {
            if (!ParseSize(args[++i], picture.width, picture.height)) {
                std::fprintf(stderr, "zfield %s: --size takes WxH in pixels\n", command);
                return 2;
            }
            sized = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (sized && picture.path.empty()) {
        std::fprintf(stderr, "zfield %s: --size goes with -o OUT.png\n", command);
        return 2;
    }
    args = rest;
    return 0;
}

#ifdef ZF_WITH_RENDER

int WriteWorkingAreaPicture(const PictureRequest& picture, zf::ZarnikState& state,
                            const zf::PenTrail& trail, zf::GraphicObjectList& objects) {
    EnsureGuiApplication();
    state.zoom = zf::FitZoom(state, picture.width, picture.height);
    const QSize size = zf::WorkingAreaPixels(state, state.zoom);
    if (size.isEmpty()) {
        std::fprintf(stderr, "zfield: the working area does not fit in %dx%d pixels\n",
                     picture.width, picture.height);
        return 2;
    }
    // A working area set up without a project has the default shape.
    if (*zf::NameTable().Get(state.shapeId) == '\0')
        state.shapeId = zf::NameTable().Add("zarndef.bmp");
    const std::string folder = zf::GetProjectFolder();
    zf::WorkingAreaScene scene{state, trail, objects, folder};
    QImage image = zf::RenderWorkingAreaImage(size, state.zoom, scene);
    zf::ZarnikSprite sprite;
    sprite.BuildZarnikSprite(state, folder, false, state.flipped);
    zf::ZarnikOverlay overlay;
    overlay.Paint(image, state, sprite, trail);
    if (!image.save(QString::fromStdString(picture.path), "PNG")) {
        std::fprintf(stderr, "zfield: cannot write %s\n", picture.path.c_str());
        return 1;
    }
    return 0;
}

#else

int WriteWorkingAreaPicture(const PictureRequest&, zf::ZarnikState&, const zf::PenTrail&,
                            zf::GraphicObjectList&) {
    std::fprintf(stderr, "zfield: this build draws no pictures (it was built without Qt)\n");
    return 2;
}

#endif

} // namespace zfield
