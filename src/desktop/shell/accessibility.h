#pragma once

namespace zf::ui {

// Makes the drawn panes readable by screen readers: the keypad's keys, the
// tool bars' buttons and the listings' lines become named parts that can be
// pressed or read. Called once; later calls do nothing.
void InstallAccessibility();

} // namespace zf::ui
