#include "pictograms.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace artgen {

namespace {

const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kInk(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 153, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kOrange(255, 153, 0);
const QColor kBodyBlue(51, 102, 204);

// Cell coordinates on a 32-unit grid, whatever the cell's size.
struct Grid {
    QRectF cell;
    QPointF P(double x, double y) const {
        return {cell.left() + x * cell.width() / 32, cell.top() + y * cell.height() / 32};
    }
    QRectF R(double x, double y, double w, double h) const { return {P(x, y), P(x + w, y + h)}; }
    double U(double v) const { return v * cell.width() / 32; }
};

void Arrow(QPainter& p, const Grid& g, QPointF from, QPointF to, const QColor& colour,
           double width = 2) {
    p.setPen(QPen(colour, g.U(width)));
    const QPointF a = g.P(from.x(), from.y());
    const QPointF b = g.P(to.x(), to.y());
    p.drawLine(a, b);
    const double angle = std::atan2(b.y() - a.y(), b.x() - a.x());
    const double head = g.U(5 + 2 * width);
    QPolygonF tip;
    tip << b << b - QPointF(std::cos(angle - 0.5) * head, std::sin(angle - 0.5) * head)
        << b - QPointF(std::cos(angle + 0.5) * head, std::sin(angle + 0.5) * head);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(tip);
    p.setBrush(Qt::NoBrush);
}

void Letters(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
             double pixelSize, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void Pencil(QPainter& p, const Grid& g, double x, double y, const QColor& colour) {
    // A pencil pointing down-left with its tip at (x, y).
    QPolygonF body;
    body << g.P(x, y) << g.P(x + 3, y - 7) << g.P(x + 13, y - 17) << g.P(x + 17, y - 13)
         << g.P(x + 7, y - 3);
    p.setPen(QPen(kInk, g.U(1)));
    p.setBrush(colour);
    p.drawPolygon(body);
    p.setBrush(kInk);
    QPolygonF tip;
    tip << g.P(x, y) << g.P(x + 2, y - 4) << g.P(x + 4, y - 2);
    p.drawPolygon(tip);
    p.setBrush(Qt::NoBrush);
}

void Crosshair(QPainter& p, const Grid& g) {
    p.setPen(QPen(kInk, g.U(1)));
    p.drawLine(g.P(16, 4), g.P(16, 28));
    p.drawLine(g.P(4, 16), g.P(28, 16));
    p.setPen(QPen(kRed, g.U(2)));
    p.drawEllipse(g.R(10, 10, 12, 12));
}

void Compass(QPainter& p, const Grid& g) {
    p.setPen(QPen(kInk, g.U(1)));
    p.setBrush(Qt::white);
    p.drawEllipse(g.R(4, 4, 24, 24));
    p.setBrush(Qt::NoBrush);
    Arrow(p, g, {16, 16}, {24, 8}, kRed, 2);
}

void Frame(QPainter& p, const Grid& g, const QColor& inside) {
    p.setPen(QPen(QColor(153, 102, 51), g.U(2)));
    p.setBrush(inside);
    p.drawRect(g.R(5, 7, 22, 18));
    p.setBrush(Qt::NoBrush);
}

void Landscape(QPainter& p, const Grid& g) {
    Frame(p, g, QColor(153, 204, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(51, 153, 51));
    QPolygonF hills;
    hills << g.P(6, 24) << g.P(12, 15) << g.P(17, 20) << g.P(21, 14) << g.P(26, 24);
    p.drawPolygon(hills);
    p.setBrush(kYellow);
    p.drawEllipse(g.R(8, 9, 5, 5));
    p.setBrush(Qt::NoBrush);
}

void Cross(QPainter& p, const Grid& g, double x, double y, double size) {
    p.setPen(QPen(kRed, g.U(3)));
    p.drawLine(g.P(x, y), g.P(x + size, y + size));
    p.drawLine(g.P(x + size, y), g.P(x, y + size));
}

void FlipArrows(QPainter& p, const Grid& g) {
    Arrow(p, g, {13, 27}, {3, 27}, kBlue, 2);
    Arrow(p, g, {19, 27}, {29, 27}, kBlue, 2);
}

void Triangle(QPainter& p, const Grid& g, double x, double y, double h, const QColor& colour) {
    QPolygonF t;
    t << g.P(x, y) << g.P(x + h * 0.85, y + h / 2) << g.P(x, y + h);
    p.setPen(QPen(kInk, g.U(1)));
    p.setBrush(colour);
    p.drawPolygon(t);
    p.setBrush(Qt::NoBrush);
}

void DrawPictogram(QPainter& p, const Grid& g, Pictogram pictogram) {
    switch (pictogram) {
    case Pictogram::Blank:
        break;
    case Pictogram::StampsAndText:
        DrawStar(p, g.P(11, 12), g.U(8), kYellow);
        Letters(p, g.R(14, 14, 17, 17), QStringLiteral("A"), kBlue, g.U(16));
        break;
    case Pictogram::Zarnik:
        DrawZarnikTop(p, g.R(4, 4, 24, 24), kBodyBlue);
        break;
    case Pictogram::Back:
        Arrow(p, g, {26, 16}, {5, 16}, kGreen, 4);
        break;
    case Pictogram::Stamp:
        DrawStar(p, g.P(16, 16), g.U(12), kYellow);
        break;
    case Pictogram::FlipStamp:
        DrawStar(p, g.P(16, 13), g.U(10), kYellow);
        FlipArrows(p, g);
        break;
    case Pictogram::CreateText:
        Letters(p, g.R(1, 4, 30, 24), QStringLiteral("Abc"), kBlue, g.U(14));
        break;
    case Pictogram::EditText:
        Letters(p, g.R(0, 0, 24, 20), QStringLiteral("Ab"), kBlue, g.U(13));
        Pencil(p, g, 12, 29, kOrange);
        break;
    case Pictogram::GoProgram:
        p.setPen(QPen(kInk, g.U(1)));
        p.setBrush(Qt::white);
        p.drawRect(g.R(6, 3, 20, 26));
        Letters(p, g.R(6, 3, 20, 26), QStringLiteral("GO"), kGreen, g.U(10));
        break;
    case Pictogram::Position:
        Crosshair(p, g);
        break;
    case Pictogram::Heading:
        Compass(p, g);
        break;
    case Pictogram::PenDown:
        p.setPen(QPen(kRed, g.U(2)));
        p.drawLine(g.P(3, 29), g.P(14, 29));
        Pencil(p, g, 14, 28, kRed);
        break;
    case Pictogram::PenUp:
        Pencil(p, g, 12, 20, kRed);
        Arrow(p, g, {6, 29}, {6, 18}, kGreen, 2);
        break;
    case Pictogram::FlipZarnik:
        DrawZarnikTop(p, g.R(7, 2, 18, 18), kBodyBlue);
        FlipArrows(p, g);
        break;
    case Pictogram::Control:
        Triangle(p, g, 4, 8, 16, kGreen);
        p.setPen(QPen(kInk, g.U(1)));
        p.setBrush(kRed);
        p.drawRect(g.R(19, 10, 10, 12));
        p.setBrush(Qt::NoBrush);
        break;
    case Pictogram::BackgroundTools:
        Landscape(p, g);
        break;
    case Pictogram::ClearAllObjects:
        DrawStar(p, g.P(10, 10), g.U(7), kYellow);
        DrawStar(p, g.P(21, 20), g.U(7), kYellow);
        Cross(p, g, 6, 6, 20);
        break;
    case Pictogram::ClearOneObject:
        DrawStar(p, g.P(14, 14), g.U(9), kYellow);
        Cross(p, g, 18, 18, 10);
        break;
    case Pictogram::Run:
        Triangle(p, g, 8, 6, 20, kGreen);
        break;
    case Pictogram::Stop:
        p.setPen(QPen(kInk, g.U(1)));
        p.setBrush(kRed);
        p.drawRect(g.R(8, 8, 16, 16));
        p.setBrush(Qt::NoBrush);
        break;
    case Pictogram::Continue:
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawRect(g.R(6, 7, 4, 18));
        p.setBrush(Qt::NoBrush);
        Triangle(p, g, 13, 6, 20, kGreen);
        break;
    case Pictogram::Reset:
        Arrow(p, g, {24, 24}, {9, 9}, kBlue, 3);
        p.setPen(QPen(kInk, g.U(1)));
        p.drawRect(g.R(4, 4, 8, 8));
        break;
    case Pictogram::Step:
        Triangle(p, g, 5, 8, 16, kGreen);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawRect(g.R(21, 8, 4, 16));
        p.setBrush(Qt::NoBrush);
        break;
    case Pictogram::AreaSize:
        p.setPen(QPen(kInk, g.U(1), Qt::DashLine));
        p.drawRect(g.R(4, 4, 24, 24));
        Arrow(p, g, {10, 22}, {25, 7}, kBlue, 2);
        break;
    case Pictogram::Rulers:
        p.setPen(QPen(kInk, g.U(1)));
        p.setBrush(kYellow);
        p.drawRect(g.R(3, 12, 26, 9));
        p.setBrush(Qt::NoBrush);
        for (int x = 6; x < 28; x += 4)
            p.drawLine(g.P(x, 12), g.P(x, x % 8 == 6 ? 18 : 15));
        break;
    case Pictogram::Background:
        Landscape(p, g);
        break;
    case Pictogram::ClearArea:
        p.setPen(QPen(kInk, g.U(1)));
        p.setBrush(Qt::white);
        p.drawRect(g.R(5, 5, 22, 22));
        p.setBrush(Qt::NoBrush);
        Cross(p, g, 9, 9, 14);
        break;
    case Pictogram::Pen:
        Pencil(p, g, 6, 27, kRed);
        break;
    }
}

} // namespace

void DrawStar(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? radius * 0.45 : radius;
        const double a = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawPolygon(star);
    painter.setBrush(Qt::NoBrush);
}

void DrawZarnikTop(QPainter& painter, const QRectF& box, const QColor& body) {
    const double w = box.width();
    const double h = box.height();
    auto at = [&](double fx, double fy) { return box.topLeft() + QPointF(fx * w, fy * h); };
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, w / 50)));
    // Wheels, then the dome with its nose to the right.
    painter.setBrush(QColor(51, 51, 51));
    painter.drawRect(QRectF(at(0.25, 0.04), at(0.6, 0.16)));
    painter.drawRect(QRectF(at(0.25, 0.84), at(0.6, 0.96)));
    painter.setBrush(body);
    painter.drawEllipse(QRectF(at(0.1, 0.12), at(0.9, 0.88)));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QRectF(at(0.55, 0.3), at(0.72, 0.47)));
    painter.drawEllipse(QRectF(at(0.55, 0.53), at(0.72, 0.7)));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(at(0.63, 0.36), at(0.7, 0.43)));
    painter.drawEllipse(QRectF(at(0.63, 0.59), at(0.7, 0.66)));
    QPolygonF nose;
    nose << at(0.98, 0.5) << at(0.86, 0.42) << at(0.86, 0.58);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(nose);
    painter.restore();
}

void DrawButtonCell(QPainter& painter, const QRect& cell, Pictogram pictogram) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(cell, kFace);
    if (pictogram != Pictogram::Blank) {
        painter.setPen(Qt::white);
        painter.drawLine(cell.topLeft(), cell.topRight());
        painter.drawLine(cell.topLeft(), cell.bottomLeft());
        painter.setPen(kShadow);
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        painter.drawLine(cell.topRight(), cell.bottomRight());
    }
    DrawPictogram(painter, Grid{QRectF(cell)}, pictogram);
    painter.restore();
}

} // namespace artgen
