#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zf::ui {

// The caption strip of a child window or pane: bold, in the highlight
// colours, and transparent to the mouse so that the frame beneath moves.
QLabel* MakeCaptionLabel(const QString& caption, QWidget* parent);

} // namespace zf::ui
