#include "picture_output.h"

#include "conventions.h"
#include "files/bitmap.h"
#include "language.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#ifdef ZF_WITH_RENDER
#include "files/project_folder.h"
#include "gui_application.h"
#include "program/string_table.h"
#include "render/working_area.h"
#include "render/zarnik_sprite.h"

#include <QBuffer>
#endif

namespace zfield {

namespace {

bool ParseSize(std::string text, int& width, int& height) {
    std::replace(text.begin(), text.end(), 'X', 'x');
    long long w = 0, h = 0;
    if (!ParseNumberPair(text, 'x', 1, std::numeric_limits<int>::max(), w, h) ||
        !zf::PictureSizeAllowed(w, h))
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
            if (!NonEmptyFileName(command, "-o", args[++i]))
                return kExitUsage;
            picture.path = UserPath(args[i]);
        } else if (args[i] == "--size" && i + 1 < args.size()) {
            if (!ParseSize(args[++i], picture.width, picture.height)) {
                return Fail(kExitUsage, command,
                            QT_TRANSLATE_NOOP("zfield",
                                              "--size takes WxH in pixels, each at most %d "
                                              "and at most %d pixels in all"),
                            {static_cast<long long>(zf::kMaxBitmapSide),
                             static_cast<long long>(zf::kMaxPicturePixels)});
            }
            sized = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (sized && picture.path.empty())
        return Fail(kExitUsage, command,
                    QT_TRANSLATE_NOOP("zfield", "--size goes with -o OUT.png"));
    args = rest;
    return 0;
}

#ifdef ZF_WITH_RENDER

int WritePngFile(const char* command, const QImage& image, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return Fail(kExitFailed, command,
                    QT_TRANSLATE_NOOP("zfield", "cannot make the picture for %s"), {path});
    return WriteOutputFile(
        command, path,
        std::span(reinterpret_cast<const std::uint8_t*>(png.constData()), std::size_t(png.size())));
}

int WriteWorkingAreaPicture(const PictureRequest& picture, zf::ZarnikState& state,
                            const zf::PenTrail& trail, zf::GraphicObjectList& objects,
                            const std::string& folder) {
    EnsureGuiApplication();
    state.zoom = zf::FitZoom(state, picture.width, picture.height);
    const QSize size = zf::WorkingAreaPixels(state, state.zoom);
    if (size.isEmpty()) {
        return Fail(
            kExitUsage, "run",
            QT_TRANSLATE_NOOP("zfield", "the working area does not fit in %dx%d pixels"),
            {static_cast<long long>(picture.width), static_cast<long long>(picture.height)});
    }
    // A working area set up without a project has the default shape.
    zf::StringTable& names = objects.tables().names;
    if (*names.Get(state.shapeId) == '\0')
        state.shapeId = names.Add("zarndef.bmp");
    zf::WorkingAreaScene scene{state, trail, objects, folder};
    QImage image = zf::RenderWorkingAreaImage(size, state.zoom, scene);
    zf::ZarnikSprite sprite;
    sprite.BuildZarnikSprite(state, objects.tables(), folder, false, state.flipped);
    zf::ZarnikOverlay overlay;
    overlay.Paint(image, state, sprite, trail);
    return WritePngFile("run", image, picture.path);
}

#else

int WriteWorkingAreaPicture(const PictureRequest&, zf::ZarnikState&, const zf::PenTrail&,
                            zf::GraphicObjectList&, const std::string&) {
    return Fail(
        kExitUsage, "run",
        QT_TRANSLATE_NOOP("zfield", "this build draws no pictures (it was built without Qt)"));
}

#endif

} // namespace zfield
