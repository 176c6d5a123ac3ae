#include "desktop/frame/tool_strip.h"

#include "render/contrast_look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace zf::ui {

ToolStrip::ToolStrip(int count, QWidget* parent) : QWidget(parent), tools_(count) {
    setAutoFillBackground(true);
    setFixedHeight(45);
    // Reached by Tab only, so that clicks leave the keys to the window.
    setFocusPolicy(Qt::TabFocus);
}

void ToolStrip::SetSlots(std::vector<Slot> tools) {
    tools_ = std::move(tools);
    down_ = -1;
    focused_ = NextFilled(-1, 1);
    update();
}

int ToolStrip::NextFilled(int from, int step) const {
    for (int i = from + step; i >= 0 && i < int(tools_.size()); i += step) {
        if (tools_[i].request)
            return i;
    }
    return from;
}

void ToolStrip::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        event->ignore();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        // The slots run from the leading edge, the right one right to left.
        const bool onward = (key == Qt::Key_Right) == (layoutDirection() == Qt::LeftToRight);
        focused_ = NextFilled(focused_, onward ? 1 : -1);
        update();
    } else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        Press(focused_);
    } else {
        event->ignore();
    }
}

void ToolStrip::focusInEvent(QFocusEvent*) {
    update();
}

void ToolStrip::focusOutEvent(QFocusEvent*) {
    update();
}

QRect ToolStrip::ButtonRect(int slot) const {
    return QStyle::visualRect(layoutDirection(), rect(), SlotRect(slot));
}

int ToolStrip::SlotAt(QPoint p) const {
    for (int i = 0; i < int(tools_.size()); ++i) {
        // The hit box includes its far edges.
        if (tools_[i].request && ButtonRect(i).adjusted(0, 0, 1, 1).contains(p))
            return i;
    }
    return -1;
}

QImage ToolStrip::Cell(int index) const {
    const int side = strip_.height();
    if (side <= 0 || (index + 1) * side > strip_.width())
        return {};
    return strip_.copy(index * side, 0, side, side);
}

void ToolStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    for (int i = 0; i < int(tools_.size()); ++i) {
        const Slot& s = tools_[i];
        if (!s.request)
            continue;
        const QRect r = ButtonRect(i);
        // Black round each button, light on the high-contrast black.
        p.setPen(CurrentLook().highContrast ? pal.color(QPalette::WindowText) : QColor(Qt::black));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(-2, -2, 1, 1));
        const bool down = s.pressed || s.latched;
        QImage cell = Cell(s.image);
        if (!cell.isNull()) {
            p.drawImage(r.topLeft() + (down ? QPoint(1, 1) : QPoint()), cell.scaled(32, 32));
        } else {
            p.fillRect(r, pal.color(QPalette::Button));
        }
        p.setPen(down ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (hasFocus() && focused_ < int(tools_.size()) && tools_[focused_].request)
        DrawFocusRing(p, ButtonRect(focused_).adjusted(-4, -4, 3, 3), CurrentLook(), 1, 3);
}

void ToolStrip::mousePressEvent(QMouseEvent* event) {
    const int i = SlotAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && i >= 0)
        Down(i);
}

void ToolStrip::Down(int i) {
    for (int j = 0; j < int(tools_.size()); ++j) {
        if (j != i)
            tools_[j].pressed = tools_[j].latched = false;
    }
    Slot& s = tools_[i];
    if (s.kind == Toggle) {
        s.pressed = !s.pressed;
        s.latched = !s.latched;
    } else {
        s.pressed = true;
        s.latched = s.kind == Push;
    }
    if (s.kind == Drag)
        setCursor(Qt::CrossCursor);
    down_ = i;
    update();
}

void ToolStrip::mouseMoveEvent(QMouseEvent* event) {
    if (down_ < 0 || tools_[down_].kind != Push)
        return;
    const bool over = SlotAt(event->position().toPoint()) == down_;
    if (tools_[down_].pressed != over) {
        tools_[down_].pressed = over;
        update();
    }
}

void ToolStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (down_ >= 0)
        Up(SlotAt(event->position().toPoint()) == down_, event->globalPosition().toPoint());
}

void ToolStrip::Up(bool over, QPoint global) {
    const int i = down_;
    down_ = -1;
    Slot s = tools_[i];
    tools_[i].pressed = false;
    if (s.kind != Toggle)
        tools_[i].latched = false;
    unsetCursor();
    update();
    if (s.kind == Drag) {
        if (!over)
            emit dropped(s, global);
        return;
    }
    if (over)
        emit pushed(s);
}

void ToolStrip::Press(int slot) {
    if (slot < 0 || slot >= int(tools_.size()) || !tools_[slot].request)
        return;
    if (tools_[slot].kind == Drag)
        return emit taken(tools_[slot]);
    Down(slot);
    Up(true, {});
}

int ToolStrip::TipAt(QPoint p) const {
    const int i = SlotAt(p);
    return i < 0 ? 0 : tools_[i].tip;
}

} // namespace zf::ui
