#pragma once

#include "desktop/frame/split_pane.h"
#include "desktop/frame/tool_pages.h"
#include "program/key_entry.h"

namespace zf::ui {

class Document;
class KeypadWindow;
class ListView;
class ListsPane;
class ProcedurePane;
class ToolStrip;

// The Go Container: the Go List and the Procedure pane above, the keypad
// below a draggable bar, the program-centre tool bar at the bottom. Every
// key of the program passes through here.
class GoContainer : public SplitPane {
    Q_OBJECT
  public:
    GoContainer(Document& document, QWidget* parent = nullptr);

    ListView* goList() const { return goList_; }
    ListView* procedureList() const { return procList_; }
    ListsPane* lists() const { return lists_; }
    ProcedurePane* procedurePane() const;
    KeypadWindow* keypad() const { return keypad_; }
    ToolStrip* toolBar() const { return toolBar_; }

    // One key through the container, with the list windows' reactions.
    void Key(int code, const KeyArgument& argument = {});
    void ShowToolPage(GoToolPage page);

  public slots:
    // A graphic command keyed with a picture's name; refused during a run.
    void EnterKey(int key, const QString& name);
    // Window > Default Layout: the keypad back at its first height.
    void DefaultLayout();

  signals:
    // The tool bar's keyed position and heading, which ask in a dialog,
    void positionKeyRequested();
    void headingKeyRequested();
    // and the Graphics Library opened in click mode.
    void libraryRequested(int category, bool dragMode);

  protected:
    void Layout() override;
    QRect BarRect() const override;

  private:
    bool RunActive() const;
    void ToolPushed(int tool);

    Document& doc_;
    ListView* goList_;
    ListView* procList_;
    ListsPane* lists_;
    KeypadWindow* keypad_;
    ToolStrip* toolBar_;
};

} // namespace zf::ui
