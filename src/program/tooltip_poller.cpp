#include "program/tooltip_poller.h"

#include "program/texts.h"

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

TooltipBox PlaceTooltip(int pointerX, int pointerY, int textWidth, int textHeight,
                        int desktopRight) {
    TooltipBox box;
    box.width = textWidth + 5;
    box.height = textHeight + 5;
    box.x = pointerX + 2;
    if (box.x + box.width > desktopRight)
        box.x = desktopRight - box.width;
    box.y = pointerY - textHeight - 22;
    return box;
}

std::string TooltipText(int id) {
    std::string text(TextOf(id).substr(0, 63));
    for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1))
        text.erase(at, 1);
    return text;
}

} // namespace zf
