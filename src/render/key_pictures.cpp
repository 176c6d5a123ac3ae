#include "render/key_pictures.h"

#include "program/instruction.h"
#include "render/artwork.h"

#include <QFontMetricsF>
#include <QPolygon>

#include <algorithm>
#include <map>

namespace zf {

namespace {

const QColor kCyan(0, 255, 255);
const QColor kMagenta(255, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kLightGrey(192, 192, 192);

// Arrow outlines on a grid of 660 units a side: one pointing up, one right;
// down and left are their mirror images.
constexpr int kGrid = 660;
constexpr QPoint kUpArrow[] = {{330, 40},  {620, 330}, {445, 330}, {445, 620},
                               {215, 620}, {215, 330}, {40, 330}};
constexpr QPoint kRightArrow[] = {{620, 330}, {330, 620}, {330, 445}, {40, 445},
                                  {40, 215},  {330, 215}, {330, 40}};

// The box a label is centred in: an eighth of the side off top and bottom.
QRect LabelBox(const QRect& box) {
    const int inset = box.height() / 8;
    return QRect(box.left(), box.top() + inset, box.width(), box.height() - 2 * inset);
}

void DrawCircle(QPainter& painter, const QRect& box, const QColor& colour) {
    const int width = OutlineWidth(box.height());
    painter.setPen(QPen(Qt::black, width));
    painter.setBrush(colour);
    painter.drawEllipse(OutlineBox(box, width));
    painter.setBrush(Qt::NoBrush);
}

void DrawNotePicture(QPainter& painter, const QRect& box) {
    DrawCircle(painter, box, kMagenta);
    const QImage& note = ProgramBitmap(artwork::Note);
    if (note.isNull())
        return;
    // The note is black on white: multiplying keeps the circle where it is white.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.drawImage(box, note.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    painter.restore();
}

} // namespace

int OutlineWidth(int side) {
    return std::max(1, side / 30);
}

QRect OutlineBox(const QRect& box, int width) {
    return box.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2);
}

QFont ArialOfCellHeight(int cellHeight) {
    static std::map<int, int> pixelSizes;
    auto it = pixelSizes.find(cellHeight);
    if (it == pixelSizes.end()) {
        QFont probe(QStringLiteral("Arial"));
        probe.setPixelSize(100);
        const double cell = QFontMetricsF(probe).height();
        it = pixelSizes.emplace(cellHeight, std::max(1, static_cast<int>(cellHeight * 100 / cell)))
                 .first;
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(it->second);
    return font;
}

void DrawArrowPicture(QPainter& painter, const QRect& box, ArrowDirection direction) {
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    const bool mirrored = direction == ArrowDirection::Down || direction == ArrowDirection::Left;
    const QPoint* outline = vertical ? kUpArrow : kRightArrow;
    QPolygon polygon;
    for (int i = 0; i < 7; ++i) {
        int gx = outline[i].x();
        int gy = outline[i].y();
        if (mirrored && vertical)
            gy = kGrid - gy;
        else if (mirrored)
            gx = kGrid - gx;
        polygon << QPoint(box.left() + gx * box.width() / kGrid,
                          box.top() + gy * box.height() / kGrid);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCyan);
    painter.drawPolygon(polygon);
    painter.setBrush(Qt::NoBrush);
}

void DrawCirclePicture(QPainter& painter, const QRect& box, const QColor& colour,
                       const QString& label) {
    DrawCircle(painter, box, colour);
    if (label.isEmpty())
        return;
    painter.setFont(ArialOfCellHeight(box.height() * 3 / 4));
    painter.setPen(Qt::black);
    painter.drawText(LabelBox(box), Qt::AlignCenter, label);
}

void DrawKeyPicture(QPainter& painter, const QRect& box, std::uint8_t opcode) {
    switch (opcode) {
    case op::Forward:
    case op::MoveUnit:
        return DrawArrowPicture(painter, box, ArrowDirection::Up);
    case op::Back:
        return DrawArrowPicture(painter, box, ArrowDirection::Down);
    case op::Left:
        return DrawArrowPicture(painter, box, ArrowDirection::Left);
    case op::Right:
    case op::TurnUnit:
        return DrawArrowPicture(painter, box, ArrowDirection::Right);
    case op::Repeat:
        return DrawCirclePicture(painter, box, kCyan, QStringLiteral("R"));
    case op::Procedure:
    case op::ProcedureDef:
        return DrawCirclePicture(painter, box, kCyan, QStringLiteral("P"));
    case op::Wait:
        return DrawCirclePicture(painter, box, kCyan, QStringLiteral("W"));
    case op::Quaver:
    case op::QuaverSetting:
        return DrawNotePicture(painter, box);
    case op::Motor:
        return DrawCirclePicture(painter, box, kMagenta, QStringLiteral("M"));
    case op::Sense:
        return DrawCirclePicture(painter, box, kMagenta, QStringLiteral("S"));
    case op::Toggle:
        return DrawCirclePicture(painter, box, kMagenta, QStringLiteral("T"));
    default:
        return DrawCirclePicture(painter, box, Qt::white, QStringLiteral("?"));
    }
}

void DrawDigitPicture(QPainter& painter, const QRect& box, int digit) {
    if (digit < 0 || digit > 9)
        return DrawCirclePicture(painter, box, Qt::white, QStringLiteral("?"));
    DrawCirclePicture(painter, box, kYellow, QString::number(digit));
}

void DrawBracketPicture(QPainter& painter, const QRect& box, bool opening) {
    DrawCircle(painter, box, kCyan);
    const QFont font = ArialOfCellHeight(box.height() * 3 / 4);
    painter.setFont(font);
    // Both halves laid out as "[  ]" would be, so that they sit where the
    // texts "[  " and "  ]" drawn over each other put them.
    const QFontMetricsF metrics(font);
    const QString open = QStringLiteral("[  ");
    const QString close = QStringLiteral("  ]");
    const double width = metrics.horizontalAdvance(open);
    const QRect label = LabelBox(box);
    const double left = label.left() + (label.width() - width) / 2;
    const double baseline =
        label.top() + (label.height() - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(opening ? kLightGrey : QColor(Qt::black));
    painter.drawText(QPointF(left, baseline), close);
    painter.setPen(opening ? QColor(Qt::black) : kLightGrey);
    painter.drawText(QPointF(left, baseline), open);
}

} // namespace zf
