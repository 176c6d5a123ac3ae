#pragma once

#include <QWidget>

class QRubberBand;

namespace zf::ui {

// A pane divided by a draggable 8-pixel bar. The bar's position is kept in
// pixels; a drag shows a band that follows the pointer inside [45, size - 90]
// and the new position is the released pointer, clamped to that range, less
// the grab offset. Positions are measured from the leading edge: in a
// right-to-left layout a side-by-side pane mirrors, bar and all.
class SplitPane : public QWidget {
    Q_OBJECT
  public:
    SplitPane(Qt::Orientation orientation, QWidget* parent = nullptr);

    int splitPosition() const { return split_; }
    void SetSplitPosition(int position);
    void SetOrientation(Qt::Orientation orientation) { orientation_ = orientation; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Places the children for the current size and split position.
    virtual void Layout() = 0;
    // The bar's rectangle, painted as a raised bar.
    virtual QRect BarRect() const = 0;
    // The user released the bar at a new position.
    virtual void SplitDragged() {}

    // A rectangle measured from the leading edge, where it lies on the screen.
    QRect Mirrored(QRect r) const;
    void Put(QWidget* child, QRect r) const;

    int Along(QPoint p) const;
    int Extent() const { return orientation_ == Qt::Horizontal ? width() : height(); }

  private:
    void MoveBand(int along);

    Qt::Orientation orientation_;
    int split_ = 0;
    bool dragging_ = false;
    int grab_ = 0;
    QRubberBand* band_ = nullptr;
};

} // namespace zf::ui
