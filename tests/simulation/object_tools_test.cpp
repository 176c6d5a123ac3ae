#include "simulation/object_tools.h"

#include <gtest/gtest.h>

namespace zf {
namespace {

struct WorkingArea : ::testing::Test {
    ZarnikState state;
    PenTrail trail;
    NameTables tables;
    GraphicObjectList objects{tables};

    void SetUp() override { state.zoom = 100.0f; } // 30 pixels a step
};

TEST_F(WorkingArea, FindsTheLastObjectUnderAPoint) {
    objects.CreateGraphicObject("mat.bmp", objectkind::Background, 1500, 1500, 0, 0, 0, 0);
    GraphicObject* first =
        objects.CreateGraphicObject("a.bmp", objectkind::Stamp, 600, 600, 0, 0, 0, 0);
    GraphicObject* second =
        objects.CreateGraphicObject("b.bmp", objectkind::Stamp, 600, 600, 0, 0, 0, 0);
    GraphicObject* text = objects.CreateGraphicObject("", objectkind::Text, 1200, 300, 0, 0, 0, 0);
    text->width = 600;
    text->height = 300;
    EXPECT_EQ(FindObjectAt(state, objects, 60, 60), second);
    EXPECT_EQ(FindObjectAt(state, objects, 70, 50), second); // a third of a step: 10 pixels
    EXPECT_EQ(FindObjectAt(state, objects, 71, 60), nullptr);
    EXPECT_EQ(FindObjectAt(state, objects, 120, 30), text);
    EXPECT_EQ(FindObjectAt(state, objects, 179, 59), text);
    EXPECT_EQ(FindObjectAt(state, objects, 180, 30), nullptr);
    EXPECT_EQ(FindObjectAt(state, objects, 150, 150), nullptr); // only the background there
    objects.RemoveGraphicObject(second);
    EXPECT_EQ(FindObjectAt(state, objects, 60, 60), first);
}

TEST_F(WorkingArea, ClearingKeepsOrDropsTheBackground) {
    objects.CreateGraphicObject("mat.bmp", objectkind::Background, 1500, 1500, 0, 0, 0, 0);
    objects.CreateGraphicObject("a.bmp", objectkind::Stamp, 600, 600, 0, 0, 0, 0);
    trail.AppendTrailPoint(1500, 1500);
    trail.AppendTrailPoint(1500, 900);
    state.penDown = true;
    state.penStyle = 3;
    ClearAllObjects(state, trail, objects);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].kind, objectkind::Background);
    EXPECT_EQ(trail.trailLength(), 0);
    EXPECT_FALSE(state.penDown);

    state.floorWidth = 2100;
    SetHome(state, 300, 300);
    SetHomeHeading(state, 90);
    ClearWholeWorkingArea(state, trail, objects);
    EXPECT_TRUE(objects.empty());
    EXPECT_EQ(state.x, 1050);
    EXPECT_EQ(state.homeY, 1500);
    EXPECT_EQ(state.heading, 0);
    EXPECT_EQ(state.homeHeading, 0);
}

} // namespace
} // namespace zf
