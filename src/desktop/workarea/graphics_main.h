#pragma once

#include "desktop/frame/tool_pages.h"
#include "desktop/workarea/object_chooser.h"

#include <QPointer>
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
    // The objects a drag tool taken up by keyboard is choosing from, or null.
    ObjectChooser* chooser() const { return chooser_; }

  signals:
    // The tool bar's requests: the run's buttons,
    void runRequested();
    void stopRequested();
    void continueRequested();
    void resetRequested();
    void stepRequested();
    // the working area's (the clears ask first), the robot's,
    void clearAllObjectsRequested();
    void clearWorkingAreaRequested();
    void flipZarnikRequested();
    void positionRequested();
    void directionRequested();
    void floorSizeRequested();
    void textRequested();
    void backgroundRequested();
    // a button dragged onto the drawing and let go at a point of it,
    void clearObjectRequested(QPoint at);
    void flipStampRequested(QPoint at);
    void editTextRequested(QPoint at);
    // and the Graphics Library opened in drag mode.
    void libraryRequested(int category, bool dragMode);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* event) override;

  private:
    void ToolPushed(int tool);
    void ToolDropped(int tool, QPoint at);
    // A drag tool taken up by keyboard: its object is chosen on the drawing.
    void StartChoosing(int tool);

    Document& doc_;
    GraphicsDrawing* drawing_;
    StatusLine* status_;
    ToolStrip* toolBar_;
    QWidget* view_;
    QPointer<ObjectChooser> chooser_;
    int ruler_ = 0;
    int zoom_ = 100;
};

} // namespace zf::ui
