#include "desktop/listing/list_view.h"

#include "desktop/listing/spoken_lines.h"
#include "files/project.h"
#include "render/contrast_look.h"
#include "render/listing_lines.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace zf::ui {

ListView::ListView(const NameTables& tables, const Project& project, int list,
                   const ZarnikState& robot, QWidget* parent)
    : QWidget(parent), tables_(tables), project_(project), list_(list), robot_(robot) {
    // A listing is the robot's keys in the order they run, as the keypad
    // shows them: left to right in any language, scroll bars included.
    setLayoutDirection(Qt::LeftToRight);
    setAutoFillBackground(true);
    // By role, not by a copied colour, so that a new palette reaches it.
    setBackgroundRole(QPalette::Base);
    bar_ = new QScrollBar(Qt::Vertical, this);
    // Keys belong to the keypad, never to the scroll bar.
    bar_->setFocusPolicy(Qt::NoFocus);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        firstLine_ = value;
        update();
    });
    hbar_ = new QScrollBar(Qt::Horizontal, this);
    hbar_->setFocusPolicy(Qt::NoFocus);
    hbar_->hide();
    // Reached by Tab only: a click moves the cursor, keys still key.
    setFocusPolicy(Qt::TabFocus);
    connect(hbar_, &QScrollBar::valueChanged, this, [this](int value) {
        firstPixel_ = value;
        update();
    });
}

QRect ListView::ListArea() const {
    return QRect(0, 0, width() - bar_->sizeHint().width(),
                 height() - (hbar_->isHidden() ? 0 : hbar_->sizeHint().height()));
}

void ListView::PlaceBars() {
    const int w = bar_->sizeHint().width();
    const int h = hbar_->sizeHint().height();
    bar_->setGeometry(width() - w, 0, w, height() - (hbar_->isHidden() ? 0 : h));
    hbar_->setGeometry(0, height() - h, width() - w, h);
}

void ListView::SetIconSize(int size) {
    baseSize_ = std::clamp(size, 5, 50);
    SetZoomPercent(zoom_);
}

void ListView::SetZoomPercent(int percent) {
    // Zoomed in, the pictures may outgrow the largest listing size.
    constexpr int kLargest = 150;
    zoom_ = percent;
    iconSize_ = std::clamp(baseSize_ * zoom_ / 100, 5, kLargest);
    UpdateRange();
    if (cursorVisible_)
        ScrollLineIntoView(cursorLine_);
    update();
}

int ListView::WholeLinesShown() const {
    return std::max(1, ListArea().height() / LineHeight());
}

void ListView::UpdateRange() {
    // The horizontal bar comes and goes with the widest line; it takes its
    // height from the lines shown, so it is settled first.
    const int clientWidth = width() - bar_->sizeHint().width();
    const int wide = editor_ ? ListingWidth(editor_->Head(list_), Style()) : 0;
    const bool needed = wide > clientWidth && clientWidth > 0;
    if (needed == hbar_->isHidden()) {
        hbar_->setVisible(needed);
        PlaceBars();
    }
    hbar_->setRange(0, needed ? wide - clientWidth : 0);
    hbar_->setPageStep(std::max(1, clientWidth));
    hbar_->setSingleStep(iconSize_);
    const int lines = editor_ ? editor_->LineCount(list_) : 0;
    bar_->setRange(0, std::max(0, lines - 1));
    bar_->setPageStep(WholeLinesShown());
    bar_->setSingleStep(1);
}

void ListView::ListChanged() {
    UpdateRange();
    update();
}

void ListView::ScrollTo(int line) {
    bar_->setValue(std::clamp(line, 0, bar_->maximum()));
}

void ListView::ScrollLineIntoView(int line) {
    if (line <= 0)
        return;
    UpdateRange();
    const int index = line - 1;
    if (index < firstLine_)
        ScrollTo(index);
    else if (index >= firstLine_ + WholeLinesShown())
        ScrollTo(index - WholeLinesShown() + 1);
}

void ListView::ShowCursor(int line, int style) {
    cursorLine_ = line;
    cursorStyle_ = style;
    cursorVisible_ = style != cursor::Erase;
    ScrollLineIntoView(line);
    update();
    if (!cursorVisible_)
        return;
    for (int i = 0, n = InstructionCount(); i < n; ++i) {
        if (CursorOn(i)) {
            keyed_ = i;
            // A screen reader says the line the cursor moved to, the running one too.
            if (QAccessible::isActive()) {
                QAccessibleEvent event(this, QAccessible::Selection);
                event.setChild(i);
                QAccessible::updateAccessibility(&event);
            }
            break;
        }
    }
}

void ListView::HideCursor() {
    cursorVisible_ = false;
    update();
}

void ListView::resizeEvent(QResizeEvent*) {
    PlaceBars();
    UpdateRange();
}

ListingStyle ListView::Style() const {
    ListingStyle style{tables_};
    style.iconSize = iconSize_;
    style.background = palette().color(QPalette::Base);
    style.text = palette().color(QPalette::Text);
    style.highContrast = CurrentLook().highContrast;
    style.folder = project_.folder;
    style.floor = {robot_.floorWidth, robot_.floorHeight};
    return style;
}

const GoInstruction* ListView::InstructionAt(int index, int* line) const {
    int start = 0;
    for (const GoInstruction* in = editor_ && index >= 0 ? editor_->Head(list_) : nullptr; in;
         in = in->next) {
        if (index-- == 0) {
            if (line)
                *line = start;
            return in;
        }
        start += in->lineCount;
    }
    return nullptr;
}

int ListView::InstructionCount() const {
    int count = 0;
    for (const GoInstruction* in = editor_ ? editor_->Head(list_) : nullptr; in; in = in->next)
        ++count;
    return count;
}

QString ListView::SpokenLine(int index) const {
    const GoInstruction* in = InstructionAt(index);
    return in ? SpokenInstruction(*in, tables_, Style().floor) : QString();
}

QRect ListView::InstructionRect(int index) const {
    int line = 0;
    const GoInstruction* in = InstructionAt(index, &line);
    if (!in)
        return {};
    return QRect(0, ListLineTop(line - firstLine_, iconSize_), ListArea().width(),
                 in->lineCount * iconSize_ + kListLineGap);
}

bool ListView::CursorOn(int index) const {
    int line = 0;
    const GoInstruction* in = InstructionAt(index, &line);
    return in && cursorVisible_ && cursorLine_ > line && cursorLine_ <= line + in->lineCount;
}

void ListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = ListArea();
    painter.setClipRect(area);
    const ListingStyle style = Style();
    const bool cursorShown = cursorVisible_ && cursorLine_ > firstLine_;
    if (cursorShown)
        DrawListCursorBand(painter, cursorStyle_, cursorLine_ - 1 - firstLine_, area.width(),
                           style);
    if (editor_) {
        painter.save();
        painter.translate(-firstPixel_, 0);
        DrawListing(painter, editor_->Head(list_), firstLine_, area.height(), style);
        painter.restore();
    }
    if (cursorShown)
        DrawListCursorFrame(painter, cursorStyle_, cursorLine_ - 1 - firstLine_, area.width(),
                            style);
    if (hasFocus())
        PaintFocusMark(painter);
}

void ListView::PaintFocusMark(QPainter& painter) const {
    // A double ring round the pane and a dashed one round the keyed line,
    // clear on any background.
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 4}, {QColor(Qt::black), 2}}) {
        painter.setPen(QPen(colour, width));
        painter.drawRect(ListArea().adjusted(1, 1, -2, -2));
    }
    const QRect line = InstructionRect(keyed_);
    if (line.isValid()) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
        painter.drawRect(line.adjusted(3, 0, -4, -1));
    }
}

int ListView::KeyedTarget(int key) const {
    const int count = InstructionCount();
    const int at = keyed_ < count ? keyed_ : -1;
    const int page = std::max(1, WholeLinesShown() - 1);
    switch (key) {
    case Qt::Key_Up:
        return at < 0 ? count - 1 : std::max(0, at - 1);
    case Qt::Key_Down:
        return std::min(count - 1, at + 1);
    case Qt::Key_PageUp:
        return std::max(0, at - page);
    case Qt::Key_PageDown:
        return std::min(count - 1, std::max(0, at + page));
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count - 1;
    default:
        return kNotNavigation;
    }
}

void ListView::keyPressEvent(QKeyEvent* event) {
    // Up and Down walk the lines here; every other key keys the program.
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const int target = plain ? KeyedTarget(event->key()) : kNotNavigation;
    if (target == kNotNavigation) {
        event->ignore();
        return;
    }
    int line = 0;
    if (target < 0 || !InstructionAt(target, &line))
        return;
    keyed_ = target;
    ScrollLineIntoView(line + 1);
    update();
    // Exactly a click on the line; a refused one leaves the keyed line there.
    emit lineClicked(line + 1);
}

void ListView::focusInEvent(QFocusEvent*) {
    update();
}

void ListView::focusOutEvent(QFocusEvent*) {
    update();
}

void ListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    emit lineClicked(firstLine_ + int(event->position().y()) / LineHeight() + 1);
}

void ListView::wheelEvent(QWheelEvent* event) {
    // A sideways wheel, or the wheel with Shift, scrolls the wide lines.
    const QPoint delta = event->angleDelta();
    if (delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier)) {
        const int steps = (delta.x() != 0 ? delta.x() : delta.y()) / 120;
        hbar_->setValue(hbar_->value() - steps * 3 * iconSize_);
        return;
    }
    ScrollTo(firstLine_ - delta.y() / 120 * 3);
}

} // namespace zf::ui
