#include "files/file_list.h"
#include "program/string_table.h"
#include "simulation/object_tools.h"
#include "simulation/text_placement.h"
#include "simulation/working_area_dialogs.h"

#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
    EXPECT_EQ(ui.questions[0].text, TextOf(TextId::ResizeClearsGraphics));
    EXPECT_EQ(ui.captions[0], "Zarnikfield - Resize working area");
    EXPECT_EQ(std::tuple(state.floorWidth, objects.size()), std::tuple(3600, 1u));

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
    EXPECT_EQ(record->x, 900);
    EXPECT_EQ(DialogTextOf(tables, *record), "Hello");

    // Placed, the block's top-left is stored; the edit goes to its centre.
    made->x = 700;
    made->y = 500;
    made->param2 = 0;
    TextObjectRecord edited = *record;
    edited.textId = tables.texts.Add(std::string(400, 'x'));
    GraphicObject* replaced = ReplaceTextObject(objects, *made, edited, 300, 150);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(&objects[0], replaced);
    EXPECT_EQ(std::tuple(replaced->x, replaced->y), std::tuple(700 + 225, 500 + 75));
    EXPECT_EQ(DialogTextOf(tables, *TextRecordOfObject(tables, *replaced)), std::string(300, 'x'));
    EXPECT_EQ(LogFontHeightForPoints(18), -24);
    EXPECT_DOUBLE_EQ(PointsForLogFontHeight(-24), 18);
}

TEST(FolderFiles, SortedWithoutRegardToCaseAndNeverReplaced) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "zf-file-list";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "sub.gop");
    for (const char* name : {"b.gop", "A.gop", "c.GOP", "notes.txt", "untitled.bmp"})
        std::ofstream(folder / name) << "x";
    EXPECT_EQ(ListFolderFiles(folder.string(), ".gop"),
              (std::vector<std::string>{"A.gop", "b.gop", "c.GOP"}));
    EXPECT_TRUE(ListFolderFiles((folder / "missing").string(), ".gop").empty());
    EXPECT_EQ(FreeFileName(folder.string(), "untitled", ".bmp"), "untitled2.bmp");
    EXPECT_EQ(FreeFileName(folder.string(), "other", ".bmp"), "other.bmp");
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
    EXPECT_EQ(FindObjectAt(state, objects, 60, 60), second);
    EXPECT_EQ(FindObjectAt(state, objects, 70, 50), second); // a third of a step: 10 pixels
    EXPECT_EQ(
        std::tuple(FindObjectAt(state, objects, 71, 60), FindObjectAt(state, objects, 120, 30),
                   FindObjectAt(state, objects, 179, 59), FindObjectAt(state, objects, 180, 30)),
        std::tuple(nullptr, text, text, nullptr));
    EXPECT_EQ(FindObjectAt(state, objects, 150, 150), nullptr); // only the background there
    objects.RemoveGraphicObject(second);
    EXPECT_EQ(FindObjectAt(state, objects, 60, 60), first);
}

TEST_F(WorkingArea, ClearingKeepsOrDropsTheBackground) {
    Add("mat.bmp", objectkind::Background, 1500, 1500);
    Add("a.bmp", objectkind::Stamp, 600, 600);
    trail.AppendTrailPoint(1500, 1500);
    state.penDown = true;
    ClearAllObjects(state, trail, objects);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].kind, objectkind::Background);
    EXPECT_EQ(std::tuple(trail.trailLength(), state.penDown), std::tuple(0, false));

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
