#include "render/working_area.h"

#include "files/bitmap.h"
#include "program/string_table.h"
#include "render/bitmap_drawing.h"
#include "render/picture_cache.h"
#include "render/zarnik_sprite.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstring>
#include <vector>

namespace zf {

namespace {

constexpr int kMaxDrawnText = 1024;

int Scaled(int mm, double pixelsPerMm) {
    return static_cast<int>(mm * pixelsPerMm);
}

QColor FromColourRef(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
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

void DrawTextObject(QPainter& painter, const NameTables& tables, GraphicObject& object,
                    const ZarnikState& view, const QPoint& origin) {
    const std::uint8_t* bytes = TextRecordOf(tables, object);
    if (!bytes)
        return;
    const TextObjectRecord record = TextObjectRecord::FromBytes(bytes);
    const std::string text = DrawnText(tables, record);
    const QFont font = TextObjectFont(record.font, PixelsPerStep(view));
    const QStringList lines = TextLines(text);
    const QSize block = MeasureTextBlock(font, lines);
    if (object.param2 != 0)
        PlaceTextNear(object, block.width(), block.height(), PixelsPerStep(view) / 2,
                      view.zoom * 0.001);
    object.width = PixelsToMm(view, block.width());
    object.height = PixelsToMm(view, block.height());

    const double ppm = view.zoom * 0.001;
    const QFontMetrics metrics(font);
    const int left = Scaled(object.x, ppm) - origin.x();
    const int top = Scaled(object.y, ppm) - origin.y();
    painter.setFont(font);
    painter.setPen(FromColourRef(record.colour));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(left, top + i * metrics.height() + metrics.ascent(), lines[i]);
}

// A stamp centred on its position, or a text from its top-left corner; the
// painter's origin is `origin` on the working area at the view's zoom.
void DrawStampOrText(QPainter& painter, const NameTables& tables, GraphicObject& object,
                     const ZarnikState& view, const QPoint& origin, const std::string& folder) {
    if (object.kind == objectkind::Text) {
        DrawTextObject(painter, tables, object, view, origin);
        return;
    }
    const double ppm = view.zoom * 0.001;
    const int step = PixelsPerStep(view);
    const QImage stamp = ProjectPictures().Stamp(
        ProjectPicturePath(folder, "objects", tables.names.Get(object.nameId)), step, step,
        object.param3 == 1);
    if (stamp.isNull())
        return;
    const int cx = Scaled(object.x, ppm) - origin.x();
    const int cy = Scaled(object.y, ppm) - origin.y();
    painter.drawImage(
        FittedRect(stamp.width(), stamp.height(), cx, cy, stamp.width(), stamp.height()).topLeft(),
        stamp);
}

} // namespace

float FitZoom(const ZarnikState& state, int availableWidth, int availableHeight) {
    if (state.floorWidth < 1 || state.floorHeight < 1)
        return 0;
    return std::min(static_cast<float>(availableWidth) * 1000.0f / state.floorWidth,
                    static_cast<float>(availableHeight) * 1000.0f / state.floorHeight);
}

QSize WorkingAreaPixels(const ZarnikState& state, float zoom) {
    return QSize(static_cast<int>(state.floorWidth * static_cast<double>(zoom) / 1000),
                 static_cast<int>(state.floorHeight * static_cast<double>(zoom) / 1000));
}

void DrawPenTrail(QPainter& painter, const PenTrail& trail, double pixelsPerMm,
                  const QPoint& origin) {
    const int n = trail.trailLength();
    if (n < 2)
        return;
    TrailPoint from = trail.GetTrailPoint(0);
    int style = -2;
    for (int i = 1; i < n; ++i) {
        const TrailPoint to = trail.GetTrailPoint(i);
        if (to.style >= 0 && to.style < kPenCount) {
            if (to.style != style) {
                painter.setPen(PenForStyle(to.style));
                style = to.style;
            }
            painter.drawLine(
                Scaled(from.x, pixelsPerMm) - origin.x(), Scaled(from.y, pixelsPerMm) - origin.y(),
                Scaled(to.x, pixelsPerMm) - origin.x(), Scaled(to.y, pixelsPerMm) - origin.y());
        }
        from = to;
    }
}

void RenderWorkingArea(QPainter& painter, const QRect& region, float zoom,
                       WorkingAreaScene& scene) {
    if (zoom == 0.0f || region.isEmpty())
        return;
    ZarnikState view = scene.state;
    view.zoom = zoom;
    const double ppm = zoom * 0.001;
    const QPoint origin = region.topLeft();

    painter.save();
    // Within whatever the caller already clips to, such as a window's update.
    painter.setClipRect(QRect(QPoint(0, 0), region.size()),
                        painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Where a background of other proportions leaves the floor uncovered,
    // the floor shows white.
    painter.fillRect(QRect(QPoint(0, 0), region.size()), Qt::white);
    const NameTables& tables = scene.objects.tables();
    const auto& objects = scene.objects.objects();
    const bool background = !objects.empty() && objects.front()->kind == objectkind::Background;
    PictureCache& pictures = ProjectPictures();
    pictures.NewPaint();
    if (!background)
        DrawPenTrail(painter, scene.trail, ppm, origin);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        GraphicObject& object = *objects[i];
        const int cx = Scaled(object.x, ppm) - origin.x();
        const int cy = Scaled(object.y, ppm) - origin.y();
        switch (object.kind) {
        case objectkind::Background:
            if (i != 0)
                break;
            if (const QImage picture = pictures.Picture(
                    ProjectPicturePath(scene.folder, "backgnds", tables.names.Get(object.nameId)));
                !picture.isNull())
                DrawImageFitted(painter, picture, cx, cy, Scaled(view.floorWidth, ppm),
                                Scaled(view.floorHeight, ppm));
            DrawPenTrail(painter, scene.trail, ppm, origin);
            break;
        case objectkind::Stamp:
        case objectkind::Text:
            if (&object != scene.hidden)
                DrawStampOrText(painter, tables, object, view, origin, scene.folder);
            break;
        default:
            break;
        }
    }
    painter.restore();
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
    QPainter painter(&picture);
    const double ppm = state.zoom * 0.001;
    const QPoint at(Scaled(object.x, ppm), Scaled(object.y, ppm));
    DrawStampOrText(painter, tables, object, state, at - anchor, folder);
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

QFont TextObjectFont(const LogFont& logFont, int pixelsPerStep) {
    const int height = static_cast<int>(logFont.height * (pixelsPerStep * 0.025));
    const std::size_t nameLength = strnlen(logFont.faceName.data(), logFont.faceName.size());
    QFont font(nameLength ? QString::fromLatin1(logFont.faceName.data(),
                                                static_cast<qsizetype>(nameLength))
                          : QStringLiteral("Arial"));
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(logFont.weight ? logFont.weight : 400, 100, 900)));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    if (height < 0) {
        // A negative height is the characters' own height.
        font.setPixelSize(std::max(1, -height));
    } else if (height > 0) {
        // A positive height is the whole cell, leading included.
        font.setPixelSize(100);
        const double cell = QFontMetricsF(font).height();
        font.setPixelSize(std::max(1, static_cast<int>(height * 100 / cell)));
    } else {
        font.setPixelSize(std::max(1, static_cast<int>(pixelsPerStep * 0.4)));
    }
    return font;
}

QStringList TextLines(const std::string& text) {
    QStringList lines;
    QString line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines << line;
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += QChar::fromLatin1(c);
        }
    }
    lines << line;
    return lines;
}

QSize MeasureTextBlock(const QFont& font, const QStringList& lines) {
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line) + 1);
    return QSize(width, static_cast<int>(lines.size()) * metrics.height());
}

bool MeasureTextObject(const NameTables& tables, GraphicObject& object, const ZarnikState& state) {
    const std::uint8_t* bytes = TextRecordOf(tables, object);
    if (!bytes)
        return false;
    const TextObjectRecord record = TextObjectRecord::FromBytes(bytes);
    const QSize block = MeasureTextBlock(TextObjectFont(record.font, PixelsPerStep(state)),
                                         TextLines(DrawnText(tables, record)));
    if (object.param2 != 0)
        PlaceTextNear(object, block.width(), block.height(), PixelsPerStep(state) / 2,
                      state.zoom * 0.001);
    object.width = PixelsToMm(state, block.width());
    object.height = PixelsToMm(state, block.height());
    return true;
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
