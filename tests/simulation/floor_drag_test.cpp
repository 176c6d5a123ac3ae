#include "program/string_table.h"
#include "simulation/floor_drag.h"

#include "support/recorder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zf {
namespace {

// Ten steps square at 100 pixels a metre: 300 x 300 pixels, 30 to a step.
class Drag : public ::testing::Test {
  protected:
    Drag() {
        state.floorWidth = state.floorHeight = 3000;
        SetHome(state, 1500, 1500);
    }

    static constexpr int kArea = 300;
    NameTables tables;
    test::Recorder ui;
    RobotView view;
    ZarnikState state;
    PenTrail trail;
    GraphicObjectList objects{tables};
    FloorDrag drag{ui, view, state, trail, objects};
};

TEST_F(Drag, TheRobotToANewStartWithoutALineAndNeverDuringARun) {
    const int step = PixelsPerStep(state), half = step / 2;
    state.penDown = true;
    state.penStyle = 2;
    trail.SetTrailStyle(2);
    trail.AppendTrailPoint(1500, 600);
    trail.AppendTrailPoint(1500, 1500);

    // Refused in a run, stopped or not, with its own words and nothing changed.
    for (const bool paused : {false, true}) {
        state.running = true;
        state.paused = paused;
        EXPECT_EQ(drag.Press(150, 150, kArea, kArea), FloorDrag::Kind::None);
        EXPECT_EQ(ui.lastWarning(), "You cannot drag the Zarnik while the Go Program is running.");
        EXPECT_TRUE(trail.trailLength() == 2 && state.penDown);
    }
    state.running = state.paused = false;
    ui.clear();

    // Taken a little off its centre; it follows the pointer, its centre kept
    // half a step inside each edge.
    ASSERT_EQ(drag.Press(150 + step / 3, 150 - step / 3, kArea, kArea), FloorDrag::Kind::Robot);
    EXPECT_FALSE(state.penDown);
    const auto at = [&] { return std::pair(state.x, state.y); };
    drag.Move(-50, kArea + 50);
    EXPECT_EQ(at(), std::pair(PixelsToMm(state, half), PixelsToMm(state, kArea - half)));
    drag.Move(kArea + 50, -50);
    EXPECT_EQ(at(), std::pair(PixelsToMm(state, kArea - half), PixelsToMm(state, half)));
    drag.Move(100 + step / 3, 200 - step / 3);
    EXPECT_TRUE(drag.Release(100 + step / 3, 200 - step / 3));

    // The new place is the start; the pen is as it was, and the trail's
    // points since the press are all pen-up, so no line joins the two.
    EXPECT_EQ(std::vector({state.x, state.y, state.homeX, state.homeY}),
              std::vector({PixelsToMm(state, 100), PixelsToMm(state, 200), state.x, state.y}));
    EXPECT_TRUE(state.penDown && state.penStyle == 2);
    ASSERT_GT(trail.trailLength(), 2);
    for (int i = 2; i < trail.trailLength(); ++i)
        EXPECT_EQ(trail.GetTrailPoint(i).style, -1) << i;
    EXPECT_EQ(trail.GetTrailPoint(trail.trailLength() - 1), (TrailPoint{1500, 1500, -1}));
}

TEST_F(Drag, AStampOrTextToANewPlaceOrOffTheAreaAltogether) {
    GraphicObject* stamp =
        objects.CreateGraphicObject("pic01.bmp", objectkind::Stamp, 600, 600, 0, 0, 0, 0);
    GraphicObject* text = objects.CreateGraphicObject("", objectkind::Text, 2000, 2000, 0, 0, 0, 0);
    text->width = 600;
    text->height = 300;
    const int step = PixelsPerStep(state);

    // Let go where it was taken: nothing changes, even after a wander.
    ASSERT_EQ(drag.Press(62, 58, kArea, kArea), FloorDrag::Kind::Object);
    EXPECT_EQ(drag.object(), stamp);
    drag.Move(200, 200);
    EXPECT_EQ(std::vector({drag.ObjectPixelX(), drag.ObjectPixelY()}), std::vector({198, 202}));
    EXPECT_FALSE(drag.Release(62, 58));
    EXPECT_EQ(std::vector({stamp->x, stamp->y}), std::vector({600, 600}));

    // A stamp that still shows a sliver stays; one wholly off is gone.
    ASSERT_EQ(drag.Press(60, 60, kArea, kArea), FloorDrag::Kind::Object);
    EXPECT_TRUE(drag.Release(-step / 2 + 1, 60));
    EXPECT_EQ(stamp->x, PixelsToMm(state, -step / 2 + 1));
    const int held = MmToPixels(state, stamp->x);
    ASSERT_EQ(drag.Press(held, 60, kArea, kArea), FloorDrag::Kind::Object);
    drag.Move(held, 60);
    // Its right edge let go on the area's left edge.
    EXPECT_TRUE(drag.Release(held - drag.ObjectPixelX() - step / 2, 60));
    ASSERT_EQ(objects.size(), 1u);

    // A text goes by its top-left corner; not while a run goes on, but
    // while it is stopped.
    state.running = true;
    EXPECT_EQ(drag.Press(210, 210, kArea, kArea), FloorDrag::Kind::None);
    state.paused = true;
    ASSERT_EQ(drag.Press(210, 210, kArea, kArea), FloorDrag::Kind::Object);
    EXPECT_TRUE(drag.Release(kArea - 1 + 10, 10));
    EXPECT_EQ(std::vector({text->x, text->y}),
              std::vector({PixelsToMm(state, kArea - 1), PixelsToMm(state, 0)}));
    ASSERT_EQ(drag.Press(kArea - 1, 5, kArea, kArea), FloorDrag::Kind::Object);
    EXPECT_TRUE(drag.Release(kArea, 5));
    EXPECT_EQ(objects.size(), 0u);
    // So is one whose top is let go on the area's bottom edge.
    text = objects.CreateGraphicObject("", objectkind::Text, 0, 0, 0, 0, 0, 0);
    text->width = text->height = 300;
    ASSERT_EQ(drag.Press(5, 5, kArea, kArea), FloorDrag::Kind::Object);
    EXPECT_TRUE(drag.Release(5, kArea + 5));
    EXPECT_EQ(objects.size(), 0u);

    // An object taken away while held (a reset of its run) is let go untouched.
    objects.CreateGraphicObject("pic01.bmp", objectkind::Stamp, 600, 600, 0, 0, 0, 0);
    ASSERT_EQ(drag.Press(60, 60, kArea, kArea), FloorDrag::Kind::Object);
    objects.Clear();
    EXPECT_FALSE(drag.Release(200, 200));
}

} // namespace
} // namespace zf
