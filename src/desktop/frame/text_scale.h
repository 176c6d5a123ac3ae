#pragma once

#include <QFont>

namespace zf::ui {

// How much larger than the usual 12-pixel text the desktop asks its text to
// be: 1 at the usual size, 2 at double size. Never below 1, so the panes
// keep the room they were drawn for.
double TextScale();

// A size in pixels chosen for the usual text, grown with the desktop's.
int ScaledPixels(int pixels);

// Arial at `pixels` for the usual text, grown with the desktop's.
QFont ScaledArial(int pixels);

} // namespace zf::ui
