#include "program/string_table.h"
#include "simulation/object_tools.h"
#include "simulation/text_placement.h"
#include "simulation/working_area_dialogs.h"

#include "support/recorder.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace zf {
namespace {

// Records the caption of a question as well as its text.
class CaptionRecorder : public test::Recorder {
  public:
    Answer AskWithCaption(const std::string& caption, const std::string& text,
                          Buttons buttons) override {
        captions.push_back(caption);
        return Ask(kUnnumbered, text, buttons);
    }
    std::vector<std::string> captions;
};

ZarnikState TenByTen() {
    ZarnikState state;
    state.floorWidth = state.floorHeight = 3000;
    SetHome(state, 1500, 1500);
    return state;
}

TEST(PositionBoxes, OneBoxOfEachPairFromTheCentreAndReadBack) {
    const ZarnikState state = TenByTen();
    auto shown = [&](int x, int y) {
        const PositionBoxes b = PositionBoxesFor(state, x, y);
        return std::vector{b.up, b.right, b.down, b.left};
    };
    EXPECT_EQ(shown(1500, 1500), (std::vector<std::string>{"0", "0", "", ""}));
    EXPECT_EQ(shown(1100, 2000), (std::vector<std::string>{"", "", "1.67", "1.33"}));
    // Left and down count when their partners are empty; empty reads 0.
    const std::pair<PositionBoxes, std::pair<int, int>> cases[] = {
        {{"4.5", "4.5", "", ""}, {2850, 150}},
        {{"4.5", "5", "", ""}, {3000, 150}},
        {{"", "", "2", "1.5"}, {1050, 2100}},
        {{"", "", "", ""}, {1500, 1500}},
    };
    for (const auto& [boxes, expected] : cases) {
        const FloorPoint p = PositionFromBoxes(state, boxes);
        EXPECT_EQ(std::pair(p.x, p.y), expected) << boxes.up << " " << boxes.right;
    }
    // A far entry stays far: it is refused, not wrapped back into the area.
    EXPECT_GT(PositionFromBoxes(state, {"", "99999", "", ""}).x, state.floorWidth);
}

TEST(SizeBoxes, BelowOneStepIsRefused) {
    test::Recorder ui;
    EXPECT_FALSE(SizeFromBoxes(ui, "0", "5"));
    EXPECT_EQ(ui.lastWarning(), TextOf(TextId::AreaSmallerThanZarnik));
    EXPECT_FALSE(SizeFromBoxes(ui, "7", ""));
    const auto size = SizeFromBoxes(ui, "12", "1");
    ASSERT_TRUE(size);
    EXPECT_EQ(std::tuple(size->width, size->height), std::tuple(12, 1));
    EXPECT_TRUE(SizeFromBoxes(ui, "1", "8"));
}

TEST(Resize, AsksOnlyWhenThereAreGraphics) {
    CaptionRecorder ui;
    ZarnikState state = TenByTen();
    PenTrail trail;
    NameTables tables;
    GraphicObjectList objects{tables};
    EXPECT_EQ(ResizeWorkingArea(ui, state, trail, objects, {10, 10}), ResizeResult::Unchanged);
    SetHome(state, 600, 600);
    EXPECT_EQ(ResizeWorkingArea(ui, state, trail, objects, {12, 8}), ResizeResult::Resized);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(std::tuple(state.floorWidth, state.x, state.homeY), std::tuple(3600, 1800, 1200));

    objects.CreateGraphicObject("town.bmp", objectkind::Background, 1800, 1200, 0, 0, 0, 0);
    ui.answers = {Answer::Cancel};
    EXPECT_EQ(ResizeWorkingArea(ui, state, trail, objects, {5, 5}), ResizeResult::Kept);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(std::tuple(ui.questions[0].text, ui.captions[0], state.floorWidth, objects.size()),
              std::tuple(TextOf(TextId::ResizeClearsGraphics), "Zarnikfield - Resize working area",
                         3600, 1u));

    objects.Clear();
    trail.AppendTrailPoint(100, 100);
    ui.answers = {Answer::Yes};
    EXPECT_EQ(ResizeWorkingArea(ui, state, trail, objects, {5, 5}), ResizeResult::Resized);
    EXPECT_EQ(std::tuple(trail.trailLength(), state.x), std::tuple(0, 750));
}

TEST(TextPlacement, CreateAndReplaceAroundTheCentre) {
    NameTables tables;
    GraphicObjectList objects{tables};
    TextObjectRecord chosen = DefaultTextObject(tables);
    chosen.textId = tables.texts.Add("Hello");
    GraphicObject* made = CreatePlacedText(objects, chosen, 900, 600, 450, 150);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(std::tuple(made->param2, made->runTag), std::tuple(2, 0));
    auto record = TextRecordOfObject(tables, *made);
    ASSERT_TRUE(record);
    EXPECT_EQ(std::tuple(record->x, DialogTextOf(tables, *record)), std::tuple(900, "Hello"));

    // Placed, the block's top-left is stored; the edit goes to its centre.
    made->x = 700;
    made->y = 500;
    made->param2 = 0;
    TextObjectRecord edited = *record;
    edited.textId = tables.texts.Add(std::string(400, 'x'));
    GraphicObject* replaced = ReplaceTextObject(objects, *made, edited, 300, 150);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(std::tuple(&objects[0], replaced->x, replaced->y,
                         DialogTextOf(tables, *TextRecordOfObject(tables, *replaced)),
                         LogFontHeightForPoints(18)),
              std::tuple(replaced, 700 + 225, 500 + 75, std::string(300, 'x'), -24));
    EXPECT_DOUBLE_EQ(PointsForLogFontHeight(-24), 18);
}

TEST(BackgroundCreate, KeepsTheWorkingAreasProportions) {
    ZarnikState state = TenByTen();
    state.floorWidth = 6000;
    const FloorSteps size = BackgroundCreateSize(state, 1280, 800);
    EXPECT_EQ(std::tuple(size.width, size.height), std::tuple(512, 256));
    // Narrower or flatter than a pixel: the other side is still kept.
    state.floorWidth = 1;
    EXPECT_EQ(BackgroundCreateSize(state, 1280, 800).height, 320);
    state.floorWidth = 6000;
    state.floorHeight = 1;
    EXPECT_EQ(BackgroundCreateSize(state, 1280, 800).width, 512);
    state.floorHeight = 0; // no floor, no picture
    EXPECT_EQ(BackgroundCreateSize(state, 1280, 800).width, 0);
}

struct WorkingArea : ::testing::Test {
    test::Recorder ui;
    ZarnikState state; // zoom 100: 30 pixels a step
    PenTrail trail;
    NameTables tables;
    GraphicObjectList objects{tables};

    GraphicObject* Add(const char* name, int kind, int x, int y) {
        return objects.CreateGraphicObject(name, kind, x, y, 0, 0, 0, 0);
    }
};

TEST_F(WorkingArea, FindsTheLastObjectUnderAPoint) {
    Add("mat.bmp", objectkind::Background, 1500, 1500);
    GraphicObject* first = Add("a.bmp", objectkind::Stamp, 600, 600);
    GraphicObject* second = Add("b.bmp", objectkind::Stamp, 600, 600);
    GraphicObject* text = Add("", objectkind::Text, 1200, 300);
    text->width = 600;
    text->height = 300;
    // A third of a step is 10 pixels; only the background lies at 150, 150.
    const auto at = [&](int x, int y) { return FindObjectAt(state, objects, x, y); };
    EXPECT_EQ(std::tuple(at(60, 60), at(70, 50), at(71, 60), at(120, 30), at(179, 59), at(180, 30),
                         at(150, 150)),
              std::tuple(second, second, nullptr, text, text, nullptr, nullptr));
    objects.RemoveGraphicObject(second);
    EXPECT_EQ(at(60, 60), first);
    // A click flips the stamp there, never a text; the eraser takes it. An
    // empty point, and any point during a run, change nothing.
    const auto click = [&](int x, int y, bool remove) {
        return ClearOrFlipObjectAt(ui, state, objects, x, y, remove);
    };
    EXPECT_EQ((std::tuple{click(60, 60, false), first->param3, click(120, 30, false),
                          click(150, 150, true)}),
              std::tuple(true, 1, false, false));
    state.running = true;
    EXPECT_FALSE(click(60, 60, true));
    state.running = false;
    EXPECT_TRUE(click(60, 60, true));
    EXPECT_EQ(at(60, 60), nullptr);
}

TEST_F(WorkingArea, ClearingKeepsOrDropsTheBackground) {
    Add("mat.bmp", objectkind::Background, 1500, 1500);
    Add("a.bmp", objectkind::Stamp, 600, 600);
    trail.AppendTrailPoint(1500, 1500);
    state.penDown = true;
    ClearAllObjects(state, trail, objects);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(std::tuple(objects[0].kind, trail.trailLength(), state.penDown),
              std::tuple(objectkind::Background, 0, false));

    state.floorWidth = 2100;
    SetHome(state, 300, 300);
    SetHomeHeading(state, 90);
    ClearWholeWorkingArea(state, trail, objects);
    EXPECT_TRUE(objects.empty());
    EXPECT_EQ(std::tuple(state.x, state.homeY, state.heading, state.homeHeading),
              std::tuple(1050, 1500, 0, 0));
}

} // namespace
} // namespace zf
