#pragma once

#include "files/picture_library.h"

#include <QFileSystemWatcher>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QScrollBar;

namespace zf::ui {

class DragImage;

// The Graphics Library's thumbnails: two rows of four pictures of one
// category with their names, a scroll bar over the rest of the folder. In
// drag mode a picture is dragged to the working area; in click mode a click
// keys its graphic command into the Go Program.
class ProgCentreSelector : public QWidget {
    Q_OBJECT
  public:
    explicit ProgCentreSelector(const Project& project, QWidget* parent = nullptr);
    ~ProgCentreSelector() override;

    // 164 pixels at the usual text size; the cells grow with the text.
    static int Height();
    static int WidthFor(int scrollBarWidth);
    // The thumbnail box of cell k (0..7), 52 x 52 at the usual text size.
    static QRect CellBox(int cell);

    void ShowCategory(int category, bool dragMode);
    void Rescan();
    void Reset();
    // Forgets the picture chosen for Edit.
    void ClearSelection();
    // Reads the folder again when this picture, or the folder, changes.
    void WatchPicture(const std::string& path);

    const LibrarySelector& selector() const { return selector_; }
    int category() const { return selector_.category(); }
    bool dragMode() const { return dragMode_; }
    std::string selectedPath() const { return selector_.SelectedPath(); }
    int currentCell() const { return current_; }
    // The name shown under cell k, "" for an empty cell.
    QString CellLabel(int cell) const;
    bool CellPressed(int cell) const { return cell >= 0 && cell < 8 && pressed_[cell]; }
    QScrollBar* scrollBar() const { return bar_; }

    // The drawing window, over which the drag cursor changes.
    QPointer<QWidget> drawing;
    // Where a picture chosen by keyboard in drag mode is let go: the robot's
    // place on the screen.
    std::function<QPoint()> keyboardDropPoint;
    // The cell the keyboard is on: arrows move it, Space and Return choose it.
    int keyedCell() const { return keyed_; }

  signals:
    // Drag mode: a picture let go outside its cell, at a point of the screen.
    void pictureDropped(int category, const QString& name, QPoint global);
    // Click mode: a picture's graphic command keyed with its name.
    void keyEntered(int key, const QString& name);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent*) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    int CellAt(QPoint p) const;
    void LoadPage();
    void SyncScrollBar();
    void ScrollAction(int action);
    void Scrolled(bool changed);
    void WatchFolder();
    void EndDrag();
    // Moves the keyed cell by `step` pictures, scrolling a row at a time to
    // keep it in view.
    void MoveKeyed(int step);
    void ChooseKeyed();
    // The keyed cell back on a picture after the page changed.
    void KeepKeyedOnPicture();

    const Project& project_;
    LibrarySelector selector_;
    bool dragMode_ = false;
    std::array<QImage, 8> thumbnails_;
    std::array<bool, 8> pressed_{};
    int current_ = -1;
    int keyed_ = 0;
    QScrollBar* bar_;
    QPointer<DragImage> dragImage_;
    bool overrideCursor_ = false;
    QFileSystemWatcher watcher_;
    QTimer rescanSoon_;
};

} // namespace zf::ui
