#include "render/contrast_look.h"

#include "files/listing_scene.h"

namespace zf {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

QColor Colour(SceneColour colour) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | colour));
}

// The list cursors' colours are the core's, which the browser shares.
void TakeCursorColours(Look& look) {
    const CursorColours colours = ListCursorColours(look.highContrast);
    if (colours.editing)
        look.editing = Colour(*colours.editing);
    look.runningGo = Colour(colours.runningGo);
    look.runningProc = Colour(colours.runningProc);
    look.stopped = Colour(colours.stopped);
    look.problem = Colour(colours.problem);
}

Look MakeUsualLook() {
    Look look;
    TakeCursorColours(look);
    look.focusCore = kBlack;
    look.focusHalo = kWhite;
    return look;
}

Look MakeHighContrastLook() {
    Look look;
    look.highContrast = true;
    TakeCursorColours(look);
    look.keyOutline = kBlack;
    look.keyOutlineWidth = 3;
    look.focusCore = kYellow;
    look.focusHalo = kBlack;
    look.focusWidening = 2;
    look.robotDark = kBlack;
    look.robotLight = kWhite;
    look.robotRingWidth = 2;
    return look;
}

bool highContrastShown = false;

} // namespace

const Look& UsualLook() {
    static const Look look = MakeUsualLook();
    return look;
}

const Look& HighContrastLook() {
    static const Look look = MakeHighContrastLook();
    return look;
}

const Look& CurrentLook() {
    return highContrastShown ? HighContrastLook() : UsualLook();
}

void UseHighContrastLook(bool on) {
    highContrastShown = on;
}

QPalette HighContrastPalette() {
    QPalette pal(kWhite, kBlack);
    auto all = [&](QPalette::ColorRole role, const QColor& colour) { pal.setColor(role, colour); };
    all(QPalette::Window, kBlack);
    all(QPalette::WindowText, kWhite);
    all(QPalette::Base, kBlack);
    all(QPalette::AlternateBase, QColor(32, 32, 32));
    all(QPalette::Text, kWhite);
    all(QPalette::PlaceholderText, QColor(192, 192, 192));
    all(QPalette::Button, kBlack);
    all(QPalette::ButtonText, kWhite);
    all(QPalette::BrightText, kYellow);
    all(QPalette::ToolTipBase, kBlack);
    all(QPalette::ToolTipText, kWhite);
    all(QPalette::Highlight, kYellow);
    all(QPalette::HighlightedText, kBlack);
    all(QPalette::Link, QColor(0, 255, 255));
    all(QPalette::LinkVisited, QColor(255, 128, 255));
    // Edges of raised and sunken panes show on black.
    all(QPalette::Light, kWhite);
    all(QPalette::Midlight, QColor(224, 224, 224));
    all(QPalette::Mid, QColor(160, 160, 160));
    all(QPalette::Dark, QColor(192, 192, 192));
    all(QPalette::Shadow, kWhite);
    // Greyed, yet still read.
    const QColor greyed(160, 160, 160);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, greyed);
    return pal;
}

void DrawFocusRing(QPainter& painter, const QRectF& box, const Look& look, qreal core, qreal halo,
                   qreal radius, Qt::PenStyle coreStyle) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const qreal wider = look.focusWidening;
    for (const QPen& pen :
         {QPen(look.focusHalo, halo + 2 * wider), QPen(look.focusCore, core + wider, coreStyle)}) {
        painter.setPen(pen);
        if (radius > 0)
            painter.drawRoundedRect(box, radius, radius);
        else
            painter.drawRect(box);
    }
    painter.restore();
}

} // namespace zf
