#pragma once

#include "simulation/graphic_objects.h"
#include "simulation/zarnik_state.h"

#include <QWidget>

#include <vector>

namespace zf::ui {

// A drag tool used from the keyboard: laid over the drawing window, it frames
// one object at a time. The arrows and Tab step through them, Return lets the
// tool go on the framed one, Escape gives up. It closes itself either way.
class ObjectChooser : public QWidget {
    Q_OBJECT
  public:
    struct Target {
        QPoint at;    // where a drop finds the object
        QRect frame;  // what is framed
        QString name; // what a screen reader says
    };

    ObjectChooser(std::vector<Target> targets, QWidget* drawing);

    const std::vector<Target>& targets() const { return targets_; }
    int current() const { return current_; }

  signals:
    // Return on a target: the point of the drawing window to drop the tool at.
    void applied(QPoint at);
    void closed();

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void Step(int by);
    void Announce();
    void Close();

    std::vector<Target> targets_;
    int current_ = 0;
};

// The stamps (and texts) a drop of a tool would find, in the order they were
// placed, each where a drop finds that object and no other above it.
std::vector<ObjectChooser::Target>
DropTargets(const ZarnikState& state, const GraphicObjectList& objects, bool stamps, bool texts);

} // namespace zf::ui
