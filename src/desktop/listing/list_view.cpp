#include "desktop/listing/list_view.h"

#include "render/listing_lines.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace zf::ui {

ListView::ListView(int list, QWidget* parent) : QWidget(parent), list_(list) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    bar_ = new QScrollBar(Qt::Vertical, this);
    // Keys belong to the keypad, never to the scroll bar.
    bar_->setFocusPolicy(Qt::NoFocus);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        firstLine_ = value;
        update();
    });
}

void ListView::SetIconSize(int size) {
    iconSize_ = std::clamp(size, 5, 50);
    UpdateRange();
    update();
}

int ListView::WholeLinesShown() const {
    return std::max(1, height() / LineHeight());
}

void ListView::UpdateRange() {
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
}

void ListView::HideCursor() {
    cursorVisible_ = false;
    update();
}

void ListView::resizeEvent(QResizeEvent*) {
    const int w = bar_->sizeHint().width();
    bar_->setGeometry(width() - w, 0, w, height());
    UpdateRange();
}

ListingStyle ListView::Style() const {
    ListingStyle style;
    style.iconSize = iconSize_;
    style.background = palette().color(QPalette::Base);
    style.text = palette().color(QPalette::Text);
    if (folder)
        style.folder = folder();
    if (robot && robot())
        style.floor = {robot()->floorWidth, robot()->floorHeight};
    return style;
}

void ListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int clientWidth = width() - bar_->width();
    painter.setClipRect(0, 0, clientWidth, height());
    const ListingStyle style = Style();
    if (editor_)
        DrawListing(painter, editor_->Head(list_), firstLine_, height(), style);
    if (cursorVisible_ && cursorLine_ > firstLine_)
        DrawListCursorFrame(painter, cursorStyle_, cursorLine_ - 1 - firstLine_, clientWidth,
                            style);
}

void ListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clicked)
        return;
    const int line = firstLine_ + int(event->position().y()) / LineHeight() + 1;
    clicked(line);
}

void ListView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    ScrollTo(firstLine_ - steps * 3);
}

} // namespace zf::ui
