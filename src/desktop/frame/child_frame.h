#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace zf::ui {

// The caption strip of a floating child window: bold, in the highlight
// colours, and transparent to the mouse so that the frame beneath moves.
QLabel* MakeCaptionLabel(const QString& caption, QWidget* parent);

// A captioned child window floating inside the main window's client area:
// moved by its caption, sized by its border, minimised to a caption strip at
// the top left, where it covers no tool bar. Its close box only sends it
// behind its siblings.
class ChildFrame : public QFrame {
    Q_OBJECT
  public:
    ChildFrame(const QString& caption, QWidget* parent);

    void SetContent(QWidget* content);
    QWidget* content() const { return content_; }
    bool minimised() const { return minimised_; }
    void Minimise();
    void Restore();
    // Shown and brought to the top; a window partly outside the client area
    // is first moved (and if need be shrunk) back fully inside it.
    void BringToTop();
    // Moved or sized by the user since it was last placed by the program.
    bool placedByUser() const { return placedByUser_; }
    void Place(const QRect& geometry);

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
    bool placedByUser_ = false;
};

} // namespace zf::ui
