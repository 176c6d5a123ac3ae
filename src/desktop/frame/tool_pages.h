#pragma once

namespace zf::ui {

// The pages of the graphics tool bar; each value is the page's first picture
// in the tool strip.
enum class ToolPage : int {
    Main = 0,
    Stamps = 4,
    Control = 11,
    Background = 17,
    Zarnik = 22,
};

// The pages of the Go Container's tool bar, valued the same way.
enum class GoToolPage : int {
    Main = 0,
    StampsAndText = 2,
    Zarnik = 9,
};

} // namespace zf::ui
