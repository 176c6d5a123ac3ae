#include "render/scene_painter.h"

#include "render/artwork.h"
#include "render/picture_cache.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <charconv>
#include <initializer_list>

namespace zf {

namespace {

QColor ToQColor(SceneColour colour) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | colour));
}

QPen ScenePen(const SceneOp& op) {
    if (op.width <= 0)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(op.colour), op.width);
    switch (op.style) {
    case SceneLineStyle::Dash:
        pen.setStyle(Qt::DashLine);
        break;
    case SceneLineStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    case SceneLineStyle::Solid:
        break;
    }
    switch (op.ends) {
    case ScenePenEnds::Round:
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    case ScenePenEnds::Miter:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    case ScenePenEnds::Square:
        break;
    }
    return pen;
}

QBrush SceneBrush(const SceneOp& op) {
    return op.fill ? QBrush(ToQColor(*op.fill)) : QBrush(Qt::NoBrush);
}

// "art:<number>#<cell>": a cell of one of the program's strips, or the
// whole picture without a cell.
QImage ArtImage(std::string_view source) {
    const auto hash = source.find('#');
    int id = 0;
    std::from_chars(source.data(), source.data() + std::min(hash, source.size()), id);
    const QImage& strip = ProgramBitmap(id);
    if (hash == std::string_view::npos)
        return strip;
    int cell = -1;
    std::from_chars(source.data() + hash + 1, source.data() + source.size(), cell);
    return StripCell(strip, cell);
}

// Whole-pixel shapes go through the painter's integer calls, which are
// what the pictures were always drawn with.
bool Whole(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(),
                       [](double v) { return v == static_cast<double>(static_cast<int>(v)); });
}

QRect IntBox(const SceneOp& op) {
    return QRect(static_cast<int>(op.x), static_cast<int>(op.y), static_cast<int>(op.w),
                 static_cast<int>(op.h));
}

void PaintOp(QPainter& painter, const SceneOp& op, const QImage* robot) {
    switch (op.kind) {
    case SceneOpKind::Fill:
        if (Whole({op.x, op.y, op.w, op.h}))
            painter.fillRect(IntBox(op), ToQColor(op.colour));
        else
            painter.fillRect(QRectF(op.x, op.y, op.w, op.h), ToQColor(op.colour));
        break;
    case SceneOpKind::Rect:
        painter.setPen(ScenePen(op));
        painter.setBrush(Qt::NoBrush);
        painter.setBackgroundMode(op.fill ? Qt::OpaqueMode : Qt::TransparentMode);
        if (op.fill)
            painter.setBackground(ToQColor(*op.fill));
        if (Whole({op.x, op.y, op.w, op.h}))
            painter.drawRect(IntBox(op));
        else
            painter.drawRect(QRectF(op.x, op.y, op.w, op.h));
        break;
    case SceneOpKind::Line:
        painter.setPen(ScenePen(op));
        if (Whole({op.x, op.y, op.x2, op.y2}))
            painter.drawLine(static_cast<int>(op.x), static_cast<int>(op.y),
                             static_cast<int>(op.x2), static_cast<int>(op.y2));
        else
            painter.drawLine(QPointF(op.x, op.y), QPointF(op.x2, op.y2));
        break;
    case SceneOpKind::Polygon: {
        QPolygonF polygon;
        for (std::size_t i = 0; i + 1 < op.points.size(); i += 2)
            polygon << QPointF(op.points[i], op.points[i + 1]);
        painter.setRenderHint(QPainter::Antialiasing, op.smooth);
        painter.setPen(ScenePen(op));
        painter.setBrush(SceneBrush(op));
        if (std::all_of(polygon.begin(), polygon.end(), [](const QPointF& p) {
                return Whole({p.x(), p.y()});
            }))
            painter.drawPolygon(polygon.toPolygon());
        else
            painter.drawPolygon(polygon);
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    }
    case SceneOpKind::Ellipse:
        painter.setPen(ScenePen(op));
        painter.setBrush(SceneBrush(op));
        if (Whole({op.x, op.y, op.w, op.h}))
            painter.drawEllipse(IntBox(op));
        else
            painter.drawEllipse(QRectF(op.x, op.y, op.w, op.h));
        break;
    case SceneOpKind::Text:
        painter.setFont(SceneQFont(op.font));
        painter.setPen(ToQColor(op.colour));
        if (op.w > 0 && op.h > 0)
            painter.drawText(QRect(static_cast<int>(op.x2), static_cast<int>(op.y2),
                                   static_cast<int>(op.w), static_cast<int>(op.h)),
                             Qt::AlignCenter, QString::fromUtf8(op.text));
        else
            painter.drawText(QPointF(op.x, op.baseline), QString::fromUtf8(op.text));
        break;
    case SceneOpKind::Image:
        if (const QImage image = SceneImage(op); !image.isNull()) {
            painter.setCompositionMode(op.multiply ? QPainter::CompositionMode_Multiply
                                                   : QPainter::CompositionMode_SourceOver);
            painter.drawImage(QPoint(static_cast<int>(op.x), static_cast<int>(op.y)), image);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    case SceneOpKind::Robot:
        if (robot)
            painter.drawImage(QPoint(static_cast<int>(op.x), static_cast<int>(op.y)), *robot);
        break;
    }
}

} // namespace

QFont SceneQFont(const SceneFont& scene) {
    QFont font(QString::fromUtf8(scene.family));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(scene.weight, 100, 900)));
    font.setItalic(scene.italic);
    font.setUnderline(scene.underline);
    font.setStrikeOut(scene.strike);
    font.setPixelSize(std::max(1, scene.px));
    return font;
}

TextExtent QtTextMeasure::Measure(const SceneFont& font, std::string_view utf8, bool wholePixels) {
    if (utf8.empty()) {
        auto key = std::make_pair(font.family + "/" + std::to_string(font.px) + "/" +
                                      std::to_string(font.weight) + (font.italic ? "i" : "") +
                                      (font.underline ? "u" : "") + (font.strike ? "s" : ""),
                                  wholePixels);
        auto found = lines_.find(key);
        if (found == lines_.end())
            found = lines_.emplace(std::move(key), Measured(font, {}, wholePixels)).first;
        return found->second;
    }
    return Measured(font, utf8, wholePixels);
}

TextMeasure& ScreenTextMeasure() {
    static QtTextMeasure measure;
    return measure;
}

TextExtent QtTextMeasure::Measured(const SceneFont& font, std::string_view utf8, bool wholePixels) {
    const QFont qfont = SceneQFont(font);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (wholePixels) {
        const QFontMetrics metrics(qfont);
        return {static_cast<double>(text.isEmpty() ? 0 : metrics.horizontalAdvance(text)),
                static_cast<double>(metrics.height()), static_cast<double>(metrics.ascent())};
    }
    const QFontMetricsF metrics(qfont);
    return {text.isEmpty() ? 0 : metrics.horizontalAdvance(text), metrics.height(),
            metrics.ascent()};
}

bool CachedPictureSizes::SizeOf(const std::string& path, int& width, int& height) {
    const QImage picture = std::string_view(path).starts_with("art:")
                               ? ArtImage(std::string_view(path).substr(4))
                               : ProjectPictures().Picture(path);
    width = picture.width();
    height = picture.height();
    return !picture.isNull();
}

QImage SceneImage(const SceneOp& op) {
    const std::string_view source = op.text;
    const int w = static_cast<int>(op.w);
    const int h = static_cast<int>(op.h);
    if (source.starts_with("file:"))
        return ProjectPictures().Sized(std::string(source.substr(5)), w, h, op.flipX, op.keyed);
    if (!source.starts_with("art:"))
        return {};
    const QImage art = ArtImage(source.substr(4));
    if (art.isNull())
        return art;
    return art.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void PaintScene(QPainter& painter, const Scene& scene, const QImage* robot) {
    painter.save();
    // Within whatever the caller already clips to, such as a window's update.
    if (scene.width > 0 && scene.height > 0)
        painter.setClipRect(QRect(0, 0, scene.width, scene.height),
                            painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const SceneOp& op : scene.ops)
        PaintOp(painter, op, robot);
    painter.restore();
}

} // namespace zf
