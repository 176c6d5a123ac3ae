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

    // Where requests leave the container: the main window.
    QObject* mainWindow = nullptr;
    QObject* drawing = nullptr;
    std::function<bool()> runActive;

  protected:
    bool event(QEvent* event) override;
    void Layout() override;
    QRect BarRect() const override;

  private:
    Document& doc_;
    ListView* goList_;
    ListView* procList_;
    ListsPane* lists_;
    KeypadWindow* keypad_;
    ToolStrip* toolBar_;
};

} // namespace zf::ui
