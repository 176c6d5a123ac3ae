#include "render/zarnik_sprite.h"

#include "program/string_table.h"
#include "render/contrast_look.h"
#include "render/render_support.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

using namespace zf::test;

// A 30-pixel robot (zoom 100) facing right: magenta ground, blue body, a red
// nose at the right edge and a green mark on its top side.
class SpriteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QImage shape = Filled(30, 30, QColor(255, 0, 255));
        for (int y = 5; y < 25; ++y)
            for (int x = 5; x < 25; ++x)
                shape.setPixel(x, y, kBlue);
        for (int y = 12; y < 18; ++y)
            for (int x = 25; x < 30; ++x)
                shape.setPixel(x, y, kRed);
        for (int x = 8; x < 12; ++x)
            shape.setPixel(x, 6, kGreen);
        dir.WriteBitmap("zarniks/robot.bmp", shape);
        state.shapeId = tables.names.Add("robot.bmp");
    }

    QPoint Nose(int heading, bool flipped = false) {
        state.heading = heading;
        sprite.BuildZarnikSprite(state, tables, dir.Folder(), false, flipped);
        return Middle(kRed);
    }

    // The middle of the sprite's pixels of one colour, which must be there.
    QPoint Middle(QRgb colour) const {
        const QRect ink = ExtentIf(sprite.Sprite(), Colour(colour));
        EXPECT_FALSE(ink.isNull());
        return ink.center();
    }

    ProjectDir dir;
    NameTables tables;
    ZarnikState state;
    ZarnikSprite sprite;
};

TEST_F(SpriteTest, FacesTheHeadingFlippedTopToBottomFirstOverATransparentGround) {
    EXPECT_GT(Nose(90).x(), 25); // right, as drawn
    EXPECT_LT(Middle(kGreen).y(), 15);
    EXPECT_LT(Nose(0).y(), 5);    // up
    EXPECT_GT(Nose(180).y(), 24); // down
    EXPECT_LT(Nose(270).x(), 5);  // left
    EXPECT_GT(Nose(90, true).x(), 25);
    EXPECT_GT(Middle(kGreen).y(), 15);
    EXPECT_EQ(Rgb(sprite.Shape(), 0, 0), kMagenta);
    EXPECT_EQ(qAlpha(sprite.Shape().pixel(0, 0)), 255);

    // At 45 degrees the top-left colour is the key and fills the corners.
    const QPoint diagonal = Nose(45);
    EXPECT_GT(diagonal.x(), 20);
    EXPECT_LT(diagonal.y(), 10);
    EXPECT_EQ(state.transparentColour, 0xFF00FFu); // 0x00BBGGRR
    for (QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)})
        EXPECT_EQ(qAlpha(sprite.Sprite().pixel(corner)), 0) << corner.x() << "," << corner.y();
    EXPECT_EQ(qAlpha(sprite.Sprite().pixel(15, 15)), 255);

    // High contrast rings the robot's outline, dark then light, inside its
    // square; the usual look drops them.
    ASSERT_TRUE(sprite.SetOutline(HighContrastLook()));
    EXPECT_FALSE(sprite.SetOutline(HighContrastLook()));
    Nose(90);
    const Look& look = HighContrastLook();
    for (int x : {4, 3})
        EXPECT_EQ(sprite.Sprite().pixelColor(x, 15), look.robotDark) << x;
    for (int x : {2, 1})
        EXPECT_EQ(sprite.Sprite().pixelColor(x, 15), look.robotLight) << x;
    EXPECT_EQ(qAlpha(sprite.Sprite().pixel(0, 15)), 0);
    EXPECT_EQ(qAlpha(sprite.Sprite().pixel(0, 0)), 0);
    EXPECT_EQ(Rgb(sprite.Sprite(), 15, 15), kBlue);
    ASSERT_TRUE(sprite.SetOutline(UsualLook()));
    Nose(90);
    EXPECT_EQ(qAlpha(sprite.Sprite().pixel(4, 15)), 0);

    // An unreadable shape still shows a robot.
    state.shapeId = tables.names.Add("missing.bmp");
    sprite.BuildZarnikSprite(state, tables, dir.Folder(), false, false);
    ASSERT_EQ(sprite.Side(), 30);
    EXPECT_EQ(qAlpha(sprite.Sprite().pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(sprite.Sprite().pixel(15, 15)), 255);
}

TEST_F(SpriteTest, MovingRestoresWhatTheRobotHidAndARunningPenDrawsBehindIt) {
    Nose(90);
    QImage screen = Filled(300, 300, Qt::white);
    for (int x = 0; x < 300; ++x)
        screen.setPixel(x, 150, kBlack);
    const QImage before = screen;
    PenTrail trail;
    ZarnikOverlay overlay;
    state.x = state.y = 1500; // pixel 150
    const QRect first = overlay.Paint(screen, state, sprite, trail);
    EXPECT_EQ(first, QRect(135, 135, 30, 30));
    EXPECT_EQ(Rgb(screen, 150, 150), kBlue);

    const QRect changed = overlay.DrawZarnikAt(screen, state, sprite, trail, 2000, 1500);
    EXPECT_EQ(state.x, 2000);
    EXPECT_EQ(changed, QRect(135, 135, 80, 30));
    ExpectPixels(screen,
                 {Pixel(150, 150, kBlack), Pixel(150, 140, kWhite), Pixel(200, 150, kBlue)});

    // Not running, a pen down draws nothing live.
    trail.AppendTrailPoint(2000, 2000);
    trail.SetTrailStyle(6); // wide blue
    state.penDown = true;
    overlay.DrawZarnikAt(screen, state, sprite, trail, 1500, 1500);
    overlay.DrawZarnikAt(screen, state, sprite, trail, 150, 150);
    overlay.DrawZarnikAt(screen, state, sprite, trail, 1500, 1500);
    overlay.DrawZarnikAt(screen, state, sprite, trail, 2000, 2000);
    // Everything away from the robot is as it was, even after a trip to the corner.
    for (int y = 0; y < 300; y += 7)
        for (int x = 0; x < 300; x += 7)
            if (!ZarnikOverlay::SquareAt(state, 30, 2000, 2000).contains(x, y)) {
                ASSERT_EQ(screen.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }

    // Running with the pen down, a live line follows; pen up, none does.
    state.running = true;
    overlay.DrawZarnikAt(screen, state, sprite, trail, 2300, 2000);
    ExpectPixels(screen, {Pixel(200, 200, kBlue), Pixel(200, 201, kBlue), Pixel(200, 203, kWhite)});
    state.penDown = false;
    overlay.DrawZarnikAt(screen, state, sprite, trail, 2300, 2900);
    EXPECT_EQ(Count(screen, QRect(215, 215, 30, 60), kBlue), 0);
}

} // namespace
} // namespace zf
