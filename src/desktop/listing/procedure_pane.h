#pragma once

#include "desktop/frame/split_pane.h"
#include "files/ini_file.h"

#include <QFrame>

class QLabel;
class QToolButton;

namespace zf::ui {

class ListView;

// The Procedure window as a pane of the Go Container: a caption strip with
// its buttons over the PROC list. Minimised, only the caption strip stays.
class ProcedurePane : public QFrame {
    Q_OBJECT
  public:
    ProcedurePane(ListView* list, QWidget* parent = nullptr);

    ListView* list() const { return list_; }
    bool minimised() const { return minimised_; }
    void Minimise();
    void Restore();
    static int CaptionHeight();
    // The dock button offers the other place.
    void ShowDock(bool under);

  signals:
    // The pane asks for another place or size.
    void minimisedChanged();
    void dockToggled();

  protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void LayoutParts();
    void SetMinimised(bool minimised);

    ListView* list_;
    QLabel* caption_;
    QToolButton* dock_;
    QToolButton* minimise_;
    bool minimised_ = false;
};

// The Go List and the Procedure pane share the top of the Go Container,
// the pane under or beside the list with a draggable bar between them. The
// list's share is kept as a fraction, so that a new size keeps it.
class ListsPane : public SplitPane {
    Q_OBJECT
  public:
    enum class Dock { Under, Beside };
    struct Place {
        Dock dock = Dock::Under;
        int goListPercent = 55;
        bool operator==(const Place&) const = default;
    };

    ListsPane(ListView* goList, ListView* procList, QWidget* parent = nullptr);

    ProcedurePane* procedurePane() const { return procedure_; }
    Place place() const;
    void SetPlace(const Place& place);
    // Default Layout: the default place, the pane restored.
    void DefaultPlace();

  protected:
    void Layout() override;
    QRect BarRect() const override;
    void SplitDragged() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FollowShare();

    ListView* goList_;
    ProcedurePane* procedure_;
    Dock dock_ = Dock::Under;
    double share_ = 0.55;
};

// The place in the options file: section "window", keys "procedure"
// ("under" or "beside") and "go list share" (the Go List's percent).
ListsPane::Place ReadListsPlace(const IniFile& ini);
void WriteListsPlace(IniFile& ini, const ListsPane::Place& place);

} // namespace zf::ui
