#include "desktop/help/tooltip_poller.h"

#include <algorithm>

namespace zf {

void TooltipPoller::Start(int delay) {
    delay_ = delay;
    lastWindow_ = nullptr;
    lastTip_ = -1;
}

int TooltipPoller::SlowInterval() const {
    return std::max(delay_, kTooltipShortestDelay);
}

TooltipTick TooltipPoller::Tick(const void* window, bool overToolBar, int tip) {
    if (!overToolBar) {
        lastWindow_ = window;
        lastTip_ = 0;
        return {TooltipTick::Hide, 0, SlowInterval()};
    }
    if (window == lastWindow_ && tip == lastTip_)
        return {};
    lastWindow_ = window;
    lastTip_ = tip;
    if (tip == 0)
        return {TooltipTick::Hide, 0, SlowInterval()};
    return {TooltipTick::Show, tip, kTooltipFastPoll};
}

bool TooltipBox::Intersects(const TooltipBox& other) const {
    return width > 0 && height > 0 && other.width > 0 && other.height > 0 &&
           x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
           other.y < y + height;
}

TooltipBox PlaceTooltip(int pointerX, int pointerY, int textWidth, int textHeight, int desktopRight,
                        const TooltipBox& keepClear) {
    // Past the pointer's arrow when the tip stands beside it.
    constexpr int kBesidePointer = 16;
    TooltipBox box;
    box.width = textWidth + 5;
    box.height = textHeight + 5;
    box.x = pointerX + 2;
    box.y = pointerY - textHeight - 22;
    if (box.Intersects(keepClear)) {
        box.x = pointerX + kBesidePointer;
        box.y = std::max(pointerY - box.height / 2, keepClear.y + keepClear.height);
    }
    if (box.x + box.width > desktopRight)
        box.x = desktopRight - box.width;
    return box;
}

} // namespace zf
