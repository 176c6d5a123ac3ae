#include "render/rulers.h"

namespace zf {

namespace {

void DrawRulerFrame(QPainter& painter, int x, int y, int width, int height,
                    const RulerColours& colours) {
    painter.fillRect(x, y, width, height, colours.face);
    painter.setPen(colours.shadow);
    painter.drawRect(x, y, width - 1, height - 1);
    painter.setPen(colours.highlight);
    painter.drawLine(x, y, x + width - 1, y);
    painter.drawLine(x, y, x, y + height - 1);
}

} // namespace

std::vector<int> RulerTicks(const ZarnikState& state, int steps) {
    std::vector<int> ticks;
    const int length = steps * kStepMm;
    for (int mm = steps % 2 ? kHalfStepMm : 0; mm < length; mm += kStepMm)
        ticks.push_back(MmToPixels(state, mm));
    return ticks;
}

int RulerCentreTick(const ZarnikState& state, int steps) {
    return MmToPixels(state, steps * kStepMm / 2);
}

void DrawVerticalRuler(QPainter& painter, int x, int y, int width, int height, int steps,
                       const ZarnikState& state, const RulerColours& colours) {
    if (width < 1 || height < 1)
        return;
    painter.save();
    DrawRulerFrame(painter, x, y, width, height, colours);
    const int centre = RulerCentreTick(state, steps);
    const int right = x + width - 1;
    for (int tick : RulerTicks(state, steps)) {
        const int from = x + static_cast<int>((tick == centre ? 0.3 : 0.6) * width);
        painter.setPen(colours.shadow);
        painter.drawLine(from, y + tick, right, y + tick);
        painter.setPen(colours.highlight);
        painter.drawLine(from, y + tick + 1, right, y + tick + 1);
    }
    painter.restore();
}

void DrawHorizontalRuler(QPainter& painter, int x, int y, int width, int height, int steps,
                         const ZarnikState& state, const RulerColours& colours) {
    if (width < 1 || height < 1)
        return;
    painter.save();
    DrawRulerFrame(painter, x, y, width, height, colours);
    const int centre = RulerCentreTick(state, steps);
    for (int tick : RulerTicks(state, steps)) {
        const int to = y + static_cast<int>((tick == centre ? 0.6 : 0.3) * height) - 1;
        painter.setPen(colours.shadow);
        painter.drawLine(x + tick, y, x + tick, to);
        painter.setPen(colours.highlight);
        painter.drawLine(x + tick + 1, y, x + tick + 1, to);
    }
    painter.restore();
}

} // namespace zf
