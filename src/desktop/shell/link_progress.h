#pragma once

#include "link/zarnik_link.h"

#include <QString>

class QWidget;

namespace zf::ui {

// Runs the waiting part of a transfer with the robot on a thread of its own
// while a modal box names what is happening: the windows keep painting and
// their timers keep running, but take no input until the transfer has
// ended. The warnings it gave are then shown, in order, through `ui`.
int RunLinkTransfer(QWidget* owner, UserInterface& ui, const QString& doing, const LinkWork& work);

// True while RunLinkTransfer waits for the robot.
bool LinkTransferRunning();

// A runner for the link commands that does the above.
LinkRunner LinkProgress(QWidget* owner, UserInterface& ui, const QString& doing);

} // namespace zf::ui
