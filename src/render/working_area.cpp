#include "render/working_area.h"

#include "files/bitmap.h"
#include "program/string_table.h"
#include "render/bitmap_drawing.h"
#include "render/picture_cache.h"
#include "render/scene_painter.h"
#include "render/zarnik_sprite.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zf {

QSize WorkingAreaPixels(const ZarnikState& state, float zoom) {
    return QSize(static_cast<int>(state.floorWidth * static_cast<double>(zoom) / 1000),
                 static_cast<int>(state.floorHeight * static_cast<double>(zoom) / 1000));
}

void RenderWorkingArea(QPainter& painter, const QRect& region, float zoom,
                       WorkingAreaScene& scene) {
    QtTextMeasure measure;
    CachedPictureSizes pictures;
    ProjectPictures().NewPaint();
    PaintScene(painter,
               BuildFloorScene(scene, {region.x(), region.y(), region.width(), region.height()},
                               zoom, {measure, pictures}));
}

QImage RenderWorkingAreaImage(const QSize& size, float zoom, WorkingAreaScene& scene) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderWorkingArea(painter, QRect(QPoint(0, 0), size), zoom, scene);
    return image;
}

QImage DraggedObjectPicture(const NameTables& tables, GraphicObject& object,
                            const ZarnikState& state, const std::string& folder, QPoint& anchor) {
    const int step = PixelsPerStep(state);
    QSize size(step, step);
    anchor = QPoint(step / 2, step / 2);
    if (object.kind == objectkind::Text) {
        if (!MeasureTextObject(tables, object, state))
            return {};
        // One pixel more each way than measured, for truncated millimetres.
        size = QSize(MmToPixels(state, object.width) + 2, MmToPixels(state, object.height) + 2);
        anchor = QPoint(0, 0);
    } else if (object.kind != objectkind::Stamp) {
        return {};
    }
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const double ppm = state.zoom * 0.001;
    QtTextMeasure measure;
    CachedPictureSizes pictures;
    Scene scene;
    scene.width = picture.width();
    scene.height = picture.height();
    AddStampOrText(scene, tables, object, state, static_cast<int>(object.x * ppm) - anchor.x(),
                   static_cast<int>(object.y * ppm) - anchor.y(), folder, {measure, pictures});
    QPainter painter(&picture);
    PaintScene(painter, scene);
    return picture;
}

QImage WorkingAreaPictureAt(const QSize& size, float zoom, WorkingAreaScene& scene,
                            bool withRobot) {
    QImage image = RenderWorkingAreaImage(size, zoom, scene);
    if (image.isNull() || !withRobot)
        return image;
    ZarnikState view = scene.state;
    view.zoom = zoom;
    // A still picture: no live pen line to the robot.
    view.running = false;
    ZarnikSprite sprite;
    sprite.BuildZarnikSprite(view, scene.objects.tables(), scene.folder, false, view.flipped);
    ZarnikOverlay overlay;
    overlay.Paint(image, view, sprite, scene.trail);
    return image;
}

QFont TextObjectFont(const LogFont& font, int pixelsPerStep) {
    QtTextMeasure measure;
    return SceneQFont(TextObjectFont(font, pixelsPerStep, measure));
}

bool MeasureTextObject(const NameTables& tables, GraphicObject& object, const ZarnikState& state) {
    QtTextMeasure measure;
    return MeasureTextObject(tables, object, state, measure);
}

bool SaveWorkingAreaBitmap(UserInterface& ui, const std::string& path, int width, int height,
                           WorkingAreaScene& scene, bool withRobot) {
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        scene.state.floorWidth < 1 || scene.state.floorHeight < 1) {
        Warn(ui, TextId::NoMemoryForPaintBitmap);
        return false;
    }
    const float zoom = std::min(static_cast<float>(width) / scene.state.floorWidth,
                                static_cast<float>(height) / scene.state.floorHeight) *
                       1000.0f;
    const QImage image = WorkingAreaPictureAt(QSize(width, height), zoom, scene, withRobot);
    if (image.isNull()) {
        Warn(ui, TextId::NoMemoryForPaintBitmap);
        return false;
    }
    std::vector<std::uint32_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        rgb.insert(rgb.end(), row, row + width);
    }
    return WriteBitmap8File(ui, path, width, height, ReduceToAppPalette(rgb));
}

QSize SaveGraphicsSize(const ZarnikState& state, const QSize& screen) {
    if (state.floorWidth < 1 || state.floorHeight < 1)
        return {};
    const int availableWidth = screen.width() * 4 / 5;
    const int availableHeight = screen.height() * 4 / 5;
    const double scale = std::min(static_cast<double>(availableWidth) / state.floorWidth,
                                  static_cast<double>(availableHeight) / state.floorHeight);
    return QSize(static_cast<int>(state.floorWidth * scale),
                 static_cast<int>(state.floorHeight * scale));
}

} // namespace zf
