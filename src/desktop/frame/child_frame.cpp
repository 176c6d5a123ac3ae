#include "desktop/frame/child_frame.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace zf::ui {

namespace {
constexpr int kBorder = 4;
constexpr int kCaption = 20;
} // namespace

QLabel* MakeCaptionLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Highlight));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::HighlightedText));
    label->setPalette(pal);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setContentsMargins(4, 0, 0, 0);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

ChildFrame::ChildFrame(const QString& caption, QWidget* parent) : QFrame(parent) {
    setWindowTitle(caption);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setMouseTracking(true);
    caption_ = MakeCaptionLabel(caption, this);
    minimise_ = new QToolButton(this);
    minimise_->setIcon(style()->standardIcon(QStyle::SP_TitleBarMinButton));
    minimise_->setToolTip(tr("Minimise"));
    close_ = new QToolButton(this);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setToolTip(tr("Close"));
    minimise_->setFocusPolicy(Qt::NoFocus);
    close_->setFocusPolicy(Qt::NoFocus);
    connect(minimise_, &QToolButton::clicked, this,
            [this] { minimised_ ? Restore() : Minimise(); });
    connect(close_, &QToolButton::clicked, this, [this] { lower(); });
}

void ChildFrame::SetContent(QWidget* content) {
    content_ = content;
    content_->setParent(this);
    LayoutParts();
}

void ChildFrame::LayoutParts() {
    const int w = width(), h = height();
    caption_->setGeometry(kBorder, kBorder, w - 2 * kBorder, kCaption);
    close_->setGeometry(w - kBorder - kCaption, kBorder + 1, kCaption - 2, kCaption - 2);
    minimise_->setGeometry(w - kBorder - 2 * kCaption, kBorder + 1, kCaption - 2, kCaption - 2);
    minimise_->raise();
    close_->raise();
    if (content_) {
        content_->setGeometry(kBorder, kBorder + kCaption, w - 2 * kBorder,
                              h - 2 * kBorder - kCaption);
        content_->setVisible(!minimised_);
    }
}

void ChildFrame::resizeEvent(QResizeEvent*) {
    LayoutParts();
}

void ChildFrame::Minimise() {
    if (minimised_)
        return;
    restoreGeometry_ = geometry();
    minimised_ = true;
    // A minimised window stays so until the user or Default Layout says.
    placedByUser_ = true;
    minimise_->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
    setGeometry(0, 0, 160, kCaption + 2 * kBorder);
}

void ChildFrame::Restore() {
    if (!minimised_)
        return;
    minimised_ = false;
    minimise_->setIcon(style()->standardIcon(QStyle::SP_TitleBarMinButton));
    setGeometry(restoreGeometry_);
    LayoutParts();
}

void ChildFrame::BringToTop() {
    if (parentWidget()) {
        const QRect client = parentWidget()->rect();
        QRect g = geometry();
        if (!client.contains(g)) {
            g.setWidth(std::min(g.width(), client.width()));
            g.setHeight(std::min(g.height(), client.height()));
            g.moveLeft(std::clamp(g.left(), 0, client.width() - g.width()));
            g.moveTop(std::clamp(g.top(), 0, client.height() - g.height()));
            setGeometry(g);
        }
    }
    show();
    raise();
}

void ChildFrame::Place(const QRect& geometry) {
    if (minimised_)
        Restore();
    setGeometry(geometry);
    placedByUser_ = false;
}

int ChildFrame::EdgeAt(QPoint p) const {
    int edge = None;
    if (!minimised_) {
        if (p.x() < kBorder)
            edge |= Left;
        if (p.x() >= width() - kBorder)
            edge |= Right;
        if (p.y() < kBorder)
            edge |= Top;
        if (p.y() >= height() - kBorder)
            edge |= Bottom;
    }
    if (edge == None && p.y() < kBorder + kCaption)
        edge = Move;
    return edge;
}

void ChildFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    drag_ = EdgeAt(event->position().toPoint());
    pressGlobal_ = event->globalPosition().toPoint();
    pressGeometry_ = geometry();
    raise();
}

void ChildFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (drag_ == None) {
        const int edge = EdgeAt(p);
        if ((edge & (Left | Right)) && (edge & (Top | Bottom)))
            setCursor((edge == (Left | Top) || edge == (Right | Bottom)) ? Qt::SizeFDiagCursor
                                                                         : Qt::SizeBDiagCursor);
        else if (edge & (Left | Right))
            setCursor(Qt::SizeHorCursor);
        else if (edge & (Top | Bottom))
            setCursor(Qt::SizeVerCursor);
        else
            unsetCursor();
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    QRect g = pressGeometry_;
    if (drag_ == Move) {
        g.translate(delta);
    } else {
        constexpr int kMin = 60;
        if (drag_ & Left)
            g.setLeft(std::min(g.left() + delta.x(), g.right() - kMin));
        if (drag_ & Right)
            g.setRight(std::max(g.right() + delta.x(), g.left() + kMin));
        if (drag_ & Top)
            g.setTop(std::min(g.top() + delta.y(), g.bottom() - kMin));
        if (drag_ & Bottom)
            g.setBottom(std::max(g.bottom() + delta.y(), g.top() + kMin));
    }
    setGeometry(g);
    placedByUser_ = true;
}

void ChildFrame::mouseReleaseEvent(QMouseEvent*) {
    drag_ = None;
}

void ChildFrame::mouseDoubleClickEvent(QMouseEvent* event) {
    if (EdgeAt(event->position().toPoint()) == Move)
        minimised_ ? Restore() : Minimise();
}

} // namespace zf::ui
