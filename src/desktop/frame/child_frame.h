#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace zf::ui {

// A captioned child window floating inside the main window's client area:
// moved by its caption, sized by its border, minimised to a caption strip at
// the bottom left. Its close box only sends it behind its siblings.
class ChildFrame : public QFrame {
    Q_OBJECT
  public:
    ChildFrame(const QString& caption, QWidget* parent);

    void SetContent(QWidget* content);
    QWidget* content() const { return content_; }
    bool minimised() const { return minimised_; }
    void Minimise();
    void Restore();
    // Shown where it is and brought to the top.
    void BringToTop();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum Edge { None = 0, Left = 1, Right = 2, Top = 4, Bottom = 8, Move = 16 };
    int EdgeAt(QPoint p) const;
    void LayoutParts();

    QLabel* caption_;
    QToolButton* minimise_;
    QToolButton* close_;
    QWidget* content_ = nullptr;
    int drag_ = None;
    QPoint pressGlobal_;
    QRect pressGeometry_;
    QRect restoreGeometry_;
    bool minimised_ = false;
};

} // namespace zf::ui
