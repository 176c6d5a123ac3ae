#pragma once

#include "simulation/zarnik_state.h"

#include <QColor>
#include <QPainter>

#include <vector>

namespace zf {

// The platform's three-dimensional colours, classic by default.
struct RulerColours {
    QColor face{192, 192, 192};
    QColor shadow{128, 128, 128};
    QColor highlight{255, 255, 255};
    QColor text{0, 0, 0};
};

// Tick positions along a side of `steps` steps, in pixels from its start:
// from 150 mm on an odd count, from 0 on an even one, every step after, so
// that one tick falls on the centre line.
std::vector<int> RulerTicks(const ZarnikState& state, int steps);
int RulerCentreTick(const ZarnikState& state, int steps);

// The ruler left of the drawing (ticks across it, reaching its right edge)
// and the one below it (ticks down from its top edge). Ticks are numbered in
// steps from the centre, x to the right and y up, as the position dialog
// counts; where the steps are too close for every number, every second,
// fifth or tenth is written.
void DrawVerticalRuler(QPainter& painter, int x, int y, int width, int height, int steps,
                       const ZarnikState& state, const RulerColours& colours = {});
void DrawHorizontalRuler(QPainter& painter, int x, int y, int width, int height, int steps,
                         const ZarnikState& state, const RulerColours& colours = {});

} // namespace zf
