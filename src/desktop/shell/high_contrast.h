#pragma once

namespace zf::ui {

// Switches the whole program between its usual look and high contrast. The
// palette goes on the application, so that dialogs opened later follow it;
// switching back gives the application the palette it had before.
void SetHighContrast(bool on);

} // namespace zf::ui
