#pragma once

#include <QObject>

class QAction;
class QMainWindow;

namespace zf::ui {

// Showing the program to a class: F11 switches full screen, Ctrl++, Ctrl+-
// and Ctrl+0 zoom the working area and the listings together.
class ProjectorMode : public QObject {
    Q_OBJECT
  public:
    explicit ProjectorMode(QMainWindow* window);

    // The zoom in percent, one of a fixed row of steps; 100 fits the
    // working area into its pane.
    int zoomPercent() const { return zoom_; }
    void SetZoomPercent(int percent);
    void ZoomIn();
    void ZoomOut();
    void ToggleFullScreen();

    QAction* fullScreenAction() const { return fullScreen_; }
    QAction* zoomInAction() const { return zoomIn_; }
    QAction* zoomOutAction() const { return zoomOut_; }
    QAction* zoomResetAction() const { return zoomReset_; }

  signals:
    // The new zoom, to lay out the working area and the listings.
    void zoomChanged(int percent);

  private:
    QMainWindow* window_;
    QAction* fullScreen_;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* zoomReset_;
    int zoom_ = 100;
};

} // namespace zf::ui
