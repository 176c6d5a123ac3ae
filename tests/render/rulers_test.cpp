#include "render/rulers.h"

#include "render/render_support.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

using namespace zf::test;

TEST(Rulers, TicksMarkWholeStepsFromTheCentre) {
    ZarnikState state;
    state.zoom = 100.0f;
    // Three steps high: 150, 450, 750 mm; four wide: 0, 300, 600, 900 mm.
    EXPECT_EQ(RulerTicks(state, 3), (std::vector<int>{15, 45, 75}));
    EXPECT_EQ(RulerTicks(state, 4), (std::vector<int>{0, 30, 60, 90}));
    EXPECT_EQ(RulerCentreTick(state, 3), 45);
    EXPECT_EQ(RulerCentreTick(state, 4), 60);
    EXPECT_TRUE(RulerTicks(state, 0).empty());
}

TEST(Rulers, TheCentreTickIsLonger) {
    ZarnikState state;
    state.zoom = 100.0f;
    const RulerColours colours;
    QImage image = Filled(200, 200, Qt::green);
    QPainter p(&image);
    DrawVerticalRuler(p, 0, 0, 24, 100, 3, state, colours);
    DrawHorizontalRuler(p, 50, 150, 130, 24, 4, state, colours);
    p.end();
    const QRgb shadow = colours.shadow.rgb() & 0xFFFFFFu;
    const QRgb highlight = colours.highlight.rgb() & 0xFFFFFFu;
    const QRgb face = colours.face.rgb() & 0xFFFFFFu;
    // Vertical: ordinary ticks from 0.6 of the width (14), the centre from 0.3 (7).
    EXPECT_EQ(Rgb(image, 14, 15), shadow);
    EXPECT_EQ(Rgb(image, 14, 16), highlight);
    EXPECT_EQ(Rgb(image, 13, 15), face);
    EXPECT_EQ(Rgb(image, 7, 45), shadow);
    EXPECT_EQ(Rgb(image, 6, 45), face);
    EXPECT_EQ(Rgb(image, 20, 30), face);
    // Horizontal: ordinary ticks down 0.3 of the height (7 rows), the centre 0.6 (14).
    EXPECT_EQ(Rgb(image, 50 + 30, 156), shadow);
    EXPECT_EQ(Rgb(image, 50 + 31, 156), highlight);
    EXPECT_EQ(Rgb(image, 50 + 30, 158), face);
    EXPECT_EQ(Rgb(image, 50 + 60, 163), shadow);
    EXPECT_EQ(Rgb(image, 50 + 60, 165), face);
    EXPECT_EQ(Rgb(image, 190, 160), kGreen);
}

} // namespace
} // namespace zf
