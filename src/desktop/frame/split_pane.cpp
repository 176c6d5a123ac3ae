#include "desktop/frame/split_pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QStyle>

#include <algorithm>

namespace zf::ui {

SplitPane::SplitPane(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {}

void SplitPane::SetSplitPosition(int position) {
    split_ = position;
    Layout();
    update();
}

QRect SplitPane::Mirrored(QRect r) const {
    return QStyle::visualRect(layoutDirection(), rect(), r);
}

void SplitPane::Put(QWidget* child, QRect r) const {
    child->setGeometry(Mirrored(r));
}

int SplitPane::Along(QPoint p) const {
    if (orientation_ == Qt::Vertical)
        return p.y();
    return layoutDirection() == Qt::RightToLeft ? width() - 1 - p.x() : p.x();
}

void SplitPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        !Mirrored(BarRect()).contains(event->position().toPoint()))
        return;
    dragging_ = true;
    grab_ = Along(event->position().toPoint()) - split_;
    if (!band_)
        band_ = new QRubberBand(QRubberBand::Line, this);
    MoveBand(Along(event->position().toPoint()));
    band_->show();
    band_->raise();
}

void SplitPane::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const int along = Along(event->position().toPoint());
    if (along >= 45 && along <= Extent() - 90)
        MoveBand(along);
}

void SplitPane::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    if (band_)
        band_->hide();
    const int along =
        std::clamp(Along(event->position().toPoint()), 45, std::max(45, Extent() - 90));
    SetSplitPosition(along - grab_);
    SplitDragged();
}

void SplitPane::MoveBand(int along) {
    const int at = along - grab_;
    if (orientation_ == Qt::Horizontal)
        band_->setGeometry(Mirrored(QRect(at, 0, 8, height())));
    else
        band_->setGeometry(0, at, width(), 8);
}

void SplitPane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect bar = Mirrored(BarRect());
    const QPalette& pal = palette();
    p.fillRect(bar, pal.color(QPalette::Button));
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(bar.topLeft(), bar.topRight());
    p.drawLine(bar.topLeft(), bar.bottomLeft());
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(bar.bottomLeft(), bar.bottomRight());
    p.drawLine(bar.topRight(), bar.bottomRight());
}

void SplitPane::resizeEvent(QResizeEvent*) {
    Layout();
}

void SplitPane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        Layout();
        update();
    }
}

} // namespace zf::ui
