#pragma once

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QRectF>

namespace zf {

// The colours the program's own drawings use for their marks: the usual
// look, and the high-contrast one for children who see the screen poorly.
// The floor itself (background, stamps, trail) keeps its colours in both.
struct Look {
    bool highContrast = false;

    // The list cursor: the editing frame (invalid: the list's text colour),
    // the running lines of the two lists, a run stopped part way, and an
    // instruction a check points at.
    QColor editing;
    QColor runningGo;
    QColor runningProc;
    QColor stopped;
    QColor problem;

    // A line round every keypad key; width 0 draws none.
    QColor keyOutline;
    qreal keyOutlineWidth = 0;

    // A focus ring is a core over a wider halo, so that one of the two
    // stands out on any ground; `focusWidening` thickens both.
    QColor focusCore;
    QColor focusHalo;
    qreal focusWidening = 0;

    // Rings round the robot's outline, the dark one inside; width 0 for none.
    QColor robotDark;
    QColor robotLight;
    int robotRingWidth = 0;
};

const Look& UsualLook();
const Look& HighContrastLook();

// The look the screen shows now; the desktop switches it with its option.
const Look& CurrentLook();
void UseHighContrastLook(bool on);

// The window chrome of the high-contrast look: light text on black, yellow
// for what is selected or has the focus.
QPalette HighContrastPalette();

// A focus ring of the look round `box`: a halo `halo` pixels wide under a
// core `core` wide, both widened in high contrast.
void DrawFocusRing(QPainter& painter, const QRectF& box, const Look& look, qreal core, qreal halo,
                   qreal radius = 0, Qt::PenStyle coreStyle = Qt::SolidLine);

} // namespace zf
