#pragma once

#include <QWidget>

namespace zf::ui {

class Document;
class GraphicsDrawing;
class StatusLine;
class ToolStrip;

// The working area's frame: the drawing window fitted to the space left by
// the size labels, the rulers, the status line and the tool bar.
class GraphicsMain : public QWidget {
    Q_OBJECT
  public:
    GraphicsMain(Document& document, QWidget* parent = nullptr);

    GraphicsDrawing* drawing() const { return drawing_; }
    StatusLine* statusLine() const { return status_; }
    ToolStrip* toolBar() const { return toolBar_; }
    void ShowToolPage(int page);
    void ToggleRulers();
    bool rulersShown() const { return ruler_ > 0; }
    void LayOut();

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
    int ruler_ = 0;
};

} // namespace zf::ui
