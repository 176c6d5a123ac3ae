#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include <cstdint>

namespace zf {

// Arial whose whole cell (leading included) is `cellHeight` pixels high.
QFont ArialOfCellHeight(int cellHeight);

// The pen width of a picture's outline: one pixel on the screen, thicker on
// the large pictures of a printed page, so that they look alike.
int OutlineWidth(int side);
// A box shrunk so that an outline of that width drawn on it stays inside.
QRect OutlineBox(const QRect& box, int width);

enum class ArrowDirection { Up, Down, Left, Right };

// The key pictures of the listings, each filling a square box.
void DrawArrowPicture(QPainter& painter, const QRect& box, ArrowDirection direction);
// A circle inscribed in the box with a centred black label.
void DrawCirclePicture(QPainter& painter, const QRect& box, const QColor& colour,
                       const QString& label);
// The picture of an instruction's own key, by opcode; an opcode without a
// picture of its own shows "?" on white.
void DrawKeyPicture(QPainter& painter, const QRect& box, std::uint8_t opcode);
void DrawDigitPicture(QPainter& painter, const QRect& box, int digit);
// The one bracket key, the half it stands for in black, the other in grey.
void DrawBracketPicture(QPainter& painter, const QRect& box, bool opening);

} // namespace zf
