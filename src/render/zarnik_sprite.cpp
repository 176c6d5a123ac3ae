#include "render/zarnik_sprite.h"

#include "program/instruction.h"
#include "program/string_table.h"
#include "render/bitmap_drawing.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace zf {

namespace {

// The platform's colour value, 0x00BBGGRR, as the robot state keeps it.
std::uint32_t ColourRef(QRgb rgb) {
    return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
           static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

// Opaque copy of `src` to `at`, clipped to the screen.
void PutPixels(QImage& screen, const QImage& src, QPoint at) {
    const QRect r = QRect(at, src.size()).intersected(screen.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(screen.scanLine(y) + r.left() * 4,
                    src.constScanLine(y - at.y()) + (r.left() - at.x()) * 4,
                    static_cast<std::size_t>(r.width()) * 4);
}

// The screen's pixels under a square; what lies off the screen is black.
void TakePixels(const QImage& screen, const QRect& square, QImage& out) {
    if (out.size() != square.size() || out.format() != screen.format())
        out = QImage(square.size(), screen.format());
    out.fill(0);
    PutPixels(out, screen, -square.topLeft());
}

void DrawKeyed(QImage& screen, const QImage& sprite, QPoint at) {
    const QRect r = QRect(at, sprite.size()).intersected(screen.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(screen.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(sprite.constScanLine(y - at.y()));
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(src[x - at.x()]) != 0)
                dst[x] = src[x - at.x()];
    }
}

void MakeDrawable(QImage& screen) {
    if (screen.format() != QImage::Format_RGB32 &&
        screen.format() != QImage::Format_ARGB32_Premultiplied)
        screen = screen.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QPen PenForStyle(int style) {
    const PenLine line = PenOfStyle(style);
    if (line.width == 0)
        return QPen(Qt::NoPen);
    QPen pen(QColor::fromRgb(static_cast<QRgb>(0xFF000000u | line.colour)), line.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QImage FallbackZarnikShape(int side) {
    QImage shape(side, side, QImage::Format_RGB32);
    shape.fill(QColor(255, 0, 255));
    QPainter p(&shape);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(153, 153, 153));
    p.drawEllipse(QRectF(side * 0.1, side * 0.1, side * 0.8, side * 0.8));
    p.setBrush(Qt::black);
    const QPointF nose[3] = {
        {side * 0.9, side * 0.5}, {side * 0.6, side * 0.3}, {side * 0.6, side * 0.7}};
    p.drawPolygon(nose, 3);
    return shape;
}

void ZarnikSprite::BuildZarnikSprite(ZarnikState& state, const NameTables& tables,
                                     const std::string& folder, bool mirrorLeftRight,
                                     bool mirrorTopBottom) {
    const int side = PixelsPerStep(state);
    if (side < 1) {
        shape_ = rotated_ = sprite_ = QImage();
        return;
    }
    const QImage loaded =
        LoadBitmapImage(ProjectPicturePath(folder, "zarniks", tables.names.Get(state.shapeId)));
    const QImage stretched =
        loaded.isNull() ? FallbackZarnikShape(side) : StretchBitmap(loaded, side, side);
    transparent_ = stretched.pixel(0, 0);
    state.transparentColour = ColourRef(transparent_);
    // The key stays at the top-left whichever way the shape is mirrored.
    shape_ = stretched.mirrored(mirrorLeftRight, mirrorTopBottom);
    shape_.setPixel(0, 0, transparent_);
    RotateZarnikSprite(state);
}

void ZarnikSprite::RotateZarnikSprite(const ZarnikState& state) {
    if (shape_.isNull())
        return;
    rotated_ = RotateSelectedBitmap(shape_, state.heading - 90);
    sprite_ = KeyOutColour(rotated_, transparent_);
    if (ringWidth_ > 0)
        sprite_ = OutlinedSprite(sprite_, ringDark_, ringLight_, ringWidth_);
}

bool ZarnikSprite::SetOutline(const Look& look) {
    if (look.robotRingWidth == ringWidth_ && look.robotDark == ringDark_ &&
        look.robotLight == ringLight_)
        return false;
    ringWidth_ = look.robotRingWidth;
    ringDark_ = look.robotDark;
    ringLight_ = look.robotLight;
    return true;
}

QImage OutlinedSprite(const QImage& sprite, const QColor& dark, const QColor& light, int width) {
    const QImage in = sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out = in;
    const int w = in.width(), h = in.height(), reach = 2 * width;
    auto shown = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h &&
               qAlpha(reinterpret_cast<const QRgb*>(in.constScanLine(y))[x]) != 0;
    };
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (shown(x, y))
                continue;
            // The nearest shown pixel within reach, by the square of its distance.
            int nearest = reach * reach + 1;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    if (dx * dx + dy * dy < nearest && shown(x + dx, y + dy))
                        nearest = dx * dx + dy * dy;
            if (nearest <= width * width)
                line[x] = dark.rgb();
            else if (nearest <= reach * reach)
                line[x] = light.rgb();
        }
    }
    return out;
}

QRect ZarnikOverlay::SquareAt(const ZarnikState& state, int side, int x, int y) {
    const FloorRegion square = RobotSquare(state, side, x, y);
    return QRect(square.x, square.y, square.width, square.height);
}

QRect ZarnikOverlay::Paint(QImage& screen, ZarnikState& state, const ZarnikSprite& sprite,
                           const PenTrail& trail) {
    MakeDrawable(screen);
    const int side = sprite.Side();
    if (side < 1)
        return {};
    TakePixels(screen, SquareAt(state, side, state.x, state.y), saveUnder_);
    return DrawZarnikAt(screen, state, sprite, trail, state.x, state.y);
}

QRect ZarnikOverlay::DrawZarnikAt(QImage& screen, ZarnikState& state, const ZarnikSprite& sprite,
                                  const PenTrail& trail, int x, int y) {
    const int side = sprite.Side();
    const QRect oldSquare = SquareAt(state, side, state.x, state.y);
    const QRect newSquare = SquareAt(state, side, x, y);
    state.x = x;
    state.y = y;
    if (side < 1 || screen.isNull())
        return {};
    MakeDrawable(screen);
    const QRect changed = oldSquare.united(newSquare);
    if (saveUnder_.size() == oldSquare.size())
        PutPixels(screen, saveUnder_, oldSquare.topLeft());
    if (state.running && state.penDown && trail.trailLength() > 0) {
        // The live line only shows inside the squares; the next paint draws
        // the trail whole.
        const TrailPoint last = trail.GetTrailPoint(trail.trailLength() - 1);
        QPainter p(&screen);
        p.setClipRect(changed);
        p.setPen(PenForStyle(trail.trailStyle()));
        p.drawLine(MmToPixels(state, last.x), MmToPixels(state, last.y), MmToPixels(state, x),
                   MmToPixels(state, y));
    }
    TakePixels(screen, newSquare, saveUnder_);
    DrawKeyed(screen, sprite.Sprite(), newSquare.topLeft());
    return changed.intersected(screen.rect());
}

} // namespace zf
