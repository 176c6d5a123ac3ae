#include "render/rulers.h"

#include "render/render_support.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

using namespace zf::test;

TEST(Rulers, TicksMarkWholeStepsFromTheCentreTheCentreLongerAndNumbered) {
    ZarnikState state;
    state.zoom = 100.0f;
    EXPECT_TRUE(RulerTicks(state, 0).empty());
    EXPECT_EQ(RulerCentreTick(state, 3), 45);

    // Three steps high: 150, 450, 750 mm; four wide: 0, 300, 600, 900 mm. The
    // centre tick is longer and the ticks are numbered.
    const RulerColours colours;
    QImage image = Filled(200, 200, Qt::green);
    QPainter p(&image);
    DrawVerticalRuler(p, 0, 0, 24, 100, 3, state, colours);
    DrawHorizontalRuler(p, 50, 150, 130, 24, 4, state, colours);
    p.end();
    const QRgb shadow = colours.shadow.rgb() & 0xFFFFFFu;
    const QRgb highlight = colours.highlight.rgb() & 0xFFFFFFu;
    const QRgb face = colours.face.rgb() & 0xFFFFFFu;
    // Vertical: ordinary ticks from 0.6 of the width (14), the centre from 0.3
    // (7), partly under its number.
    ExpectPixels(image, {Pixel(14, 15, shadow), Pixel(14, 16, highlight), Pixel(13, 15, face),
                         Pixel(20, 30, face)});
    // Horizontal: ordinary ticks down 0.3 of the height (7 rows), the centre 0.6 (14).
    ExpectPixels(image,
                 {Pixel(50 + 30, 156, shadow), Pixel(50 + 31, 156, highlight),
                  Pixel(50 + 30, 158, face), Pixel(50 + 60, 160, shadow), Pixel(190, 160, kGreen)});
    // Each tick's step number from the centre is written beside it, in the
    // room the ticks leave: left of the vertical ticks, under the others.
    // The columns of a box with any dark pixel.
    auto inked = [&](QRect box) {
        int n = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            bool dark = false;
            for (int y = box.top(); y <= box.bottom(); ++y)
                dark = dark || image.pixelColor(x, y).red() < 170;
            n += dark;
        }
        return n;
    };
    for (int tick : {15, 45, 75})
        EXPECT_GE(inked(QRect(1, tick - 5, 12, 10)), 2) << tick;
    EXPECT_EQ(inked(QRect(1, 25, 12, 10)), 0);
    for (int tick : {30, 60, 90})
        EXPECT_GE(inked(QRect(50 + tick - 6, 164, 12, 9)), 2) << tick;
    // The first tick's number would be cut by the ruler's end.
    EXPECT_EQ(inked(QRect(50, 164, 6, 9)), 0);
    // "-1" is wider than "1": the numbers stand as the position dialog
    // counts, x to the right from the centre, y up.
    EXPECT_GT(inked(QRect(50 + 24, 164, 12, 9)), inked(QRect(50 + 84, 164, 12, 9)));
    EXPECT_GT(inked(QRect(1, 70, 12, 10)), inked(QRect(1, 10, 12, 10)));
}

} // namespace
} // namespace zf
