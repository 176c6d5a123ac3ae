#pragma once

#include "link/zarnik_link.h"

#include <QString>

class QWidget;

namespace zf::ui {

// The transfers with the robot a window runs.
class LinkTransfers {
  public:
    // Runs the waiting part of a transfer on a thread of its own while a
    // modal box names what is happening: the windows keep painting and
    // their timers keep running, but take no input until the transfer has
    // ended. The warnings it gave are then shown, in order, through `ui`.
    int Run(QWidget* owner, UserInterface& ui, const QString& doing, const LinkWork& work);
    // A runner for the link commands that does the above.
    LinkRunner Progress(QWidget* owner, UserInterface& ui, const QString& doing);

    // True while a transfer waits for the robot.
    bool running() const { return running_ > 0; }

  private:
    int running_ = 0;
};

} // namespace zf::ui
