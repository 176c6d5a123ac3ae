#pragma once

#include "desktop/frame/split_pane.h"

namespace zf::ui {

class Document;
class GraphicsMain;
class GoContainer;

// The main window's client: the working area on the left and the Go
// Container on the right of a draggable bar (mirrored right to left), at
// first at 60 % of the screen.
class RazAzi : public SplitPane {
    Q_OBJECT
  public:
    RazAzi(Document& document, QWidget* parent = nullptr);

    GraphicsMain* graphicsMain() const { return graphics_; }
    GoContainer* goContainer() const { return go_; }
    int splitX() const { return splitPosition(); }

  public slots:
    // Window > Default Layout: the bar back at 60 % of the width.
    void DefaultSplit();

  protected:
    void Layout() override;
    QRect BarRect() const override;

  private:
    GraphicsMain* graphics_;
    GoContainer* go_;
};

} // namespace zf::ui
