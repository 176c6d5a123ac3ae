#include "render/rulers.h"

#include <QFontMetrics>

#include <cstdlib>

namespace zf {

namespace {

QFont RulerFont(int side) {
    QFont font("Arial");
    font.setPixelSize(std::max(6, side * 2 / 5));
    return font;
}

// Every n-th step is numbered, so that numbers `room` pixels long fit.
int NumberEvery(int pixelsPerStep, int room) {
    for (int n : {1, 2, 5, 10})
        if (n * pixelsPerStep >= room)
            return n;
    return 20;
}

// The step number of each tick, from the centre.
std::vector<int> TickNumbers(int steps, bool upwards) {
    std::vector<int> numbers;
    const int length = steps * kStepMm;
    for (int mm = steps % 2 ? kHalfStepMm : 0; mm < length; mm += kStepMm)
        numbers.push_back((upwards ? length / 2 - mm : mm - length / 2) / kStepMm);
    return numbers;
}

void DrawNumber(QPainter& painter, const QRect& box, int number, const RulerColours& colours) {
    const QString text = QString::number(number);
    const QRect ink = painter.fontMetrics().boundingRect(box, Qt::AlignCenter, text);
    painter.fillRect(ink, colours.face);
    painter.setPen(colours.text);
    painter.drawText(box, Qt::AlignCenter, text);
}

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
    painter.setClipRect(x, y, width, height, Qt::IntersectClip);
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
    painter.setFont(RulerFont(width));
    const int high = painter.fontMetrics().height();
    const int every = NumberEvery(PixelsPerStep(state), high + 2);
    const std::vector<int> ticks = RulerTicks(state, steps);
    const std::vector<int> numbers = TickNumbers(steps, true);
    const int room = static_cast<int>(0.6 * width);
    // A number that would be cut at an end of the ruler is left out.
    for (std::size_t i = 0; i < ticks.size(); ++i)
        if (numbers[i] % every == 0 && ticks[i] >= high / 2 && ticks[i] + high / 2 < height)
            DrawNumber(painter, QRect(x + 1, y + ticks[i] - high / 2, room - 2, high), numbers[i],
                       colours);
    painter.restore();
}

void DrawHorizontalRuler(QPainter& painter, int x, int y, int width, int height, int steps,
                         const ZarnikState& state, const RulerColours& colours) {
    if (width < 1 || height < 1)
        return;
    painter.save();
    painter.setClipRect(x, y, width, height, Qt::IntersectClip);
    DrawRulerFrame(painter, x, y, width, height, colours);
    const int centre = RulerCentreTick(state, steps);
    for (int tick : RulerTicks(state, steps)) {
        const int to = y + static_cast<int>((tick == centre ? 0.6 : 0.3) * height) - 1;
        painter.setPen(colours.shadow);
        painter.drawLine(x + tick, y, x + tick, to);
        painter.setPen(colours.highlight);
        painter.drawLine(x + tick + 1, y, x + tick + 1, to);
    }
    painter.setFont(RulerFont(height));
    const QFontMetrics metrics = painter.fontMetrics();
    const int wide = metrics.horizontalAdvance(QString::number(-steps)) + 4;
    const int every = NumberEvery(PixelsPerStep(state), wide);
    const std::vector<int> ticks = RulerTicks(state, steps);
    const std::vector<int> numbers = TickNumbers(steps, false);
    const int top = y + static_cast<int>(0.6 * height);
    for (std::size_t i = 0; i < ticks.size(); ++i)
        if (numbers[i] % every == 0 && ticks[i] >= wide / 2 && ticks[i] + wide / 2 < width)
            DrawNumber(painter, QRect(x + ticks[i] - wide / 2, top, wide, y + height - 1 - top),
                       numbers[i], colours);
    painter.restore();
}

} // namespace zf
