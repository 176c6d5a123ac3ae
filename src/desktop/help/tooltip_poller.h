#pragma once

#include <string>

namespace zf {

// Polling interval while the pointer rests on a tool bar button.
inline constexpr int kTooltipFastPoll = 5;
// The slow polling never runs faster than this: the shortest interval of the
// platform the timings come from.
inline constexpr int kTooltipShortestDelay = 10;
// Tips are word-wrapped in a box this wide: wide enough that every tip of
// the tool bars reads on one line.
inline constexpr int kTooltipWrapWidth = 260;

// What the tooltip popup does after one tick of the tooltip timer.
struct TooltipTick {
    enum Change { Nothing, Hide, Show };
    Change change = Nothing;
    int tip = 0;       // Show: the string id of the tip
    int interval = -1; // the timer's new interval in ms; -1 leaves it
};

// The tick of the tooltips: it remembers the window under the pointer and
// the tip shown, so that a pointer resting on one button repaints nothing.
class TooltipPoller {
  public:
    // Forgets the last window and tip; `delay` is the slow polling interval.
    void Start(int delay);
    int delay() const { return delay_; }
    // The timer's interval for the slow polling: a zero delay polls at the
    // shortest interval instead of spinning.
    int SlowInterval() const;

    // `window` identifies the window under the pointer; `overToolBar` says it
    // is one of the tool bars and `tip` is then the id it gives for the point.
    TooltipTick Tick(const void* window, bool overToolBar, int tip);

  private:
    int delay_ = 0;
    const void* lastWindow_ = nullptr;
    int lastTip_ = -1;
};

// Where the popup goes, given the text's measured size: above the pointer,
// moved left to end at the desktop's right edge when it would cross it.
// When that would cover `keepClear` (the status line, read while a program
// is stepped) it goes to the right of the pointer instead, below that box.
struct TooltipBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Intersects(const TooltipBox& other) const;
};
TooltipBox PlaceTooltip(int pointerX, int pointerY, int textWidth, int textHeight, int desktopRight,
                        const TooltipBox& keepClear = {});

} // namespace zf
