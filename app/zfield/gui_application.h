#pragma once

namespace zfield {

// Fonts need an application object; a command-line run has no display, so
// it takes the offscreen platform unless one is named.
void EnsureGuiApplication();

} // namespace zfield
