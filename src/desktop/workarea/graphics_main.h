#pragma once

#include "desktop/frame/tool_pages.h"

#include <QWidget>

namespace zf::ui {

class Document;
class GraphicsDrawing;
class StatusLine;
class ToolStrip;

// The working area's frame: the drawing window fitted to the space left by
// the size labels, the rulers, the status line and the tool bar. Zoomed in,
// the drawing is larger than that space and is shown through a view that
// follows the robot.
class GraphicsMain : public QWidget {
    Q_OBJECT
  public:
    GraphicsMain(Document& document, QWidget* parent = nullptr);

    GraphicsDrawing* drawing() const { return drawing_; }
    StatusLine* statusLine() const { return status_; }
    ToolStrip* toolBar() const { return toolBar_; }
    void ShowToolPage(ToolPage page);
    void ToggleRulers();
    bool rulersShown() const { return ruler_ > 0; }
    void LayOut();
    void SetZoomPercent(int percent);
    int zoomPercent() const { return zoom_; }
    // Moves the view so that the robot is at least a step inside it.
    void FollowRobot();

    // Where tool bar requests go: the main window.
    QObject* mainWindow = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    Document& doc_;
    GraphicsDrawing* drawing_;
    StatusLine* status_;
    ToolStrip* toolBar_;
    QWidget* view_;
    int ruler_ = 0;
    int zoom_ = 100;
};

} // namespace zf::ui
