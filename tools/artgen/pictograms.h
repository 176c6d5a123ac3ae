#pragma once

#include <QPainter>
#include <QRect>

// Small pictures for the tool bar cells, each drawn into a square cell.
namespace artgen {

enum class Pictogram {
    Blank,
    StampsAndText,
    Zarnik,
    Back,
    Stamp,
    FlipStamp,
    CreateText,
    EditText,
    GoProgram,
    Position,
    Heading,
    PenDown,
    PenUp,
    FlipZarnik,
    Control,
    BackgroundTools,
    ClearAllObjects,
    ClearOneObject,
    Run,
    Stop,
    Continue,
    Reset,
    Step,
    AreaSize,
    Rulers,
    Background,
    ClearArea,
    Pen,
};

// A raised button face with the pictogram on it.
void DrawButtonCell(QPainter& painter, const QRect& cell, Pictogram pictogram);
// The robot seen from above, facing right, in a box.
void DrawZarnikTop(QPainter& painter, const QRectF& box, const QColor& body);
void DrawStar(QPainter& painter, const QPointF& centre, double radius, const QColor& colour);

} // namespace artgen
