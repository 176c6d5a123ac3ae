#include "files/picture_library.h"

#include "file_test_support.h"
#include "files/bitmap.h"
#include "files/file_list.h"
#include "files/go_program_file.h"
#include "files/project_folder.h"
#include "program/key_entry.h"
#include "program/string_table.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zf {
namespace {

using test::TempFolder;

class PictureFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        test::MakeProjectFolder(dir.path());
        project.SetFromPath(dir.path() + "/");
    }
    void Touch(const std::string& relative) { test::WriteBytesTo(dir / relative, {'B', 'M'}); }
    TempFolder dir;
    Project project;
};

// A category lists its folder's pictures by name, whatever their case.
// "A:star.bmp" is a legal file name here, but reads as a drive in a stored
// project: no way in may take it, so nothing is saved that will not open.
TEST_F(PictureFolder, ListsPicturesByNameAndNamesAProjectCouldNotStoreNeverEnter) {
    for (const char* name :
         {"objects/Tree.bmp", "objects/apple.BMP", "objects/notes.txt", "objects/A:star.bmp",
          "objects/a\\b.bmp", "objects/star.bmp", "backgnds/C:park.bmp"})
        Touch(name);
    std::filesystem::create_directories(dir / "objects/old.bmp");
    EXPECT_EQ(CategoryPictures(project, library::Stamps),
              (std::vector<std::string>{"apple.BMP", "star.bmp", "Tree.bmp"}));
    EXPECT_TRUE(CategoryPictures(project, library::Pens).empty());
    EXPECT_TRUE(CategoryPictures(project, library::NoCategory).empty());
    EXPECT_TRUE(ListFolderFiles(dir / "backgnds", ".bmp").empty());
    EXPECT_TRUE(ListFileChoices(dir / "backgnds", "*.bmp").empty());

    test::Recorder ui;
    ZarnikState state;
    NameTables tables;
    GraphicObjectList objects{tables};
    EXPECT_EQ(
        DropLibraryPicture(ui, state, objects, library::Stamps, "A:star.bmp", 10, 10, 300, 300),
        LibraryDrop::Nothing);
    EXPECT_EQ(
        DropLibraryPicture(ui, state, objects, library::Shapes, "A:star.bmp", 150, 150, 300, 300),
        LibraryDrop::Nothing);
    EXPECT_TRUE(objects.empty());
    GoEditor editor(ui, tables);
    const int lines = editor.LineCount(GO_LIST);
    KeyArgument picture;
    picture.name = "A:star.bmp";
    for (int key : {key::SetShape, key::PlaceStamp, key::PenDown})
        EXPECT_EQ(EditorKey(editor, key, picture), status::Refused) << key;
    EXPECT_EQ(editor.LineCount(GO_LIST), lines);
}

// Create never writes over a drawing made earlier, whatever its letter case.
TEST_F(PictureFolder, NewPicturesTakeAFreeName) {
    EXPECT_EQ(NewPicturePath(project, library::Shapes), dir / "zarniks/untitled.bmp");
    Touch("zarniks/Untitled.BMP");
    EXPECT_EQ(NewPicturePath(project, library::Shapes), dir / "zarniks/untitled2.bmp");
    Touch("zarniks/untitled2.bmp");
    EXPECT_EQ(std::tuple(NewPicturePath(project, library::Shapes),
                         NewPicturePath(project, library::Pens),
                         CategoryPicturePath(project, library::Shapes, "")),
              std::tuple(dir / "zarniks/untitled3.bmp", "", ""));
    test::Recorder ui;
    EXPECT_EQ(CreateLibraryPicture(ui, project, library::Pens), "");
    // A new robot shape starts as a ring to draw in, a new stamp as clear.
    auto edge = [&](int category) {
        const auto picture = LoadPackedBitmap(CreateLibraryPicture(ui, project, category));
        return picture ? picture->PixelRgb(1, 50) : 1u;
    };
    EXPECT_EQ(edge(library::Shapes) & 0xFFFFFF, 0u);
    EXPECT_EQ(edge(library::Stamps) & 0xFFFFFF, 0xFF00FFu);
    std::filesystem::remove_all(dir / "objects");
    EXPECT_EQ(CreateLibraryPicture(ui, project, library::Stamps), "");
    EXPECT_FALSE(ui.messages.empty()); // the failed write is reported
}

// Edit opens the picture chosen, wherever new pictures put it in the list.
TEST_F(PictureFolder, TheSelectionFollowsItsPicture) {
    Touch("zarniks/bug.bmp");
    Touch("zarniks/car.bmp");
    LibrarySelector page(project);
    page.ShowCategory(library::Shapes);
    page.SetPictures({"bug.bmp", "car.bmp"});
    page.Select(0);
    EXPECT_EQ(page.SelectedPath(), dir / "zarniks/bug.bmp");
    // Shown again, its own folder keeps the choice.
    page.ShowCategory(library::Shapes);
    EXPECT_EQ(page.selectedIndex(), 0);
    page.SetPictures({"boat.bmp", "bug.bmp", "car.bmp"});
    EXPECT_EQ(std::tuple(page.selectedIndex(), page.CellName(0), page.CellName(2), page.CellName(3),
                         page.CellName(-1)),
              std::tuple(1, "boat.bmp", "car.bmp", "", ""));
    const std::vector<std::string> nine(library::kCells + 1, "x.bmp");
    LibrarySelector full(project);
    full.SetPictures(nine);
    EXPECT_EQ(full.CellName(library::kCells - 1), "x.bmp");
    EXPECT_EQ(full.CellName(library::kCells), "");
    page.Select(2);
    page.SetPictures({"ant.bmp", "boat.bmp", "bug.bmp", "car.bmp"});
    EXPECT_EQ(page.selectedIndex(), 3);
    EXPECT_EQ(page.SelectedPath(), dir / "zarniks/car.bmp");
    page.SetPictures({"boat.bmp"});
    EXPECT_EQ(page.selectedIndex(), -1);
    EXPECT_EQ(page.SelectedPath(), "");
    page.Select(0);
    page.ShowCategory(library::Stamps);
    EXPECT_EQ(page.SelectedPath(), "");
}

// Scrolling moves a row at a time and answers whether it moved.
TEST_F(PictureFolder, ScrollingMovesByRowsWithinTheFolder) {
    LibrarySelector page(project);
    page.ShowCategory(library::Shapes);
    page.SetPictures(std::vector<std::string>(library::kCells, "x.bmp"));
    // A folder that fits one page does not scroll.
    EXPECT_FALSE(page.LineDown());
    EXPECT_FALSE(page.TrackTo(4));
    EXPECT_EQ(page.top(), 0);

    page.SetPictures(std::vector<std::string>(13, "x.bmp"));
    EXPECT_EQ(page.ScrollRange(), (LibraryScrollRange{0, 16, library::kCells}));
    // Each move as whether it moved and the top row after it.
    std::string steps;
    auto step = [&](bool moved) { steps += (moved ? " +" : " -") + std::to_string(page.top()); };
    step(page.LineDown());
    step(page.LineUp());
    step(page.LineUp());
    step(page.PageDown());
    step(page.LineDown());
    step(page.LineDown());
    step(page.PageUp());
    step(page.PageUp());
    step(page.TrackTo(7));
    step(page.TrackTo(-3));
    EXPECT_EQ(steps, " +4 +0 -0 +8 +12 -12 +4 +0 +4 +0");
    // Half a page down still moves, and the last row stays at the bottom.
    page.SetPictures(std::vector<std::string>(12, "x.bmp"));
    page.TrackTo(4);
    step(page.PageDown());
    EXPECT_TRUE(steps.ends_with(" +8")) << steps;
    // A new scan keeps the rows shown while they still hold pictures.
    page.TrackTo(4);
    page.SetPictures(std::vector<std::string>(12, "x.bmp"));
    EXPECT_EQ(page.top(), 4);
    // Pictures taken away under the rows shown: the last row with one shows.
    page.SetPictures(std::vector<std::string>(16, "x.bmp"));
    page.TrackTo(12);
    page.SetPictures(std::vector<std::string>(12, "x.bmp"));
    EXPECT_EQ(page.top(), 8);
}

class Drops : public ::testing::Test {
  protected:
    LibraryDrop Drop(int category, const std::string& name, int px, int py) {
        return DropLibraryPicture(ui, state, objects, category, name, px, py, 300, 300, &pen);
    }
    test::Recorder ui;
    ZarnikState state; // robot at the centre, 30 pixels a step
    NameTables tables;
    GraphicObjectList objects{tables};
    std::int16_t pen = -2;
};

// A pen on the robot is recognised and changes nothing, run or no run;
// shapes and stamps wait for a pause.
TEST_F(Drops, APenIsOnlyRecognisedAndShapesAndStampsWaitForAPause) {
    EXPECT_EQ(Drop(library::Pens, "RedWide.bmp", 165, 135), LibraryDrop::PenRecognised);
    EXPECT_EQ(std::tuple(pen, bool(state.penDown), state.penStyle), std::tuple(4, false, -1));
    pen = -2;
    EXPECT_EQ(Drop(library::Pens, "redwide.bmp", 166, 150), LibraryDrop::Nothing);
    EXPECT_EQ(pen, -2);
    state.running = true;
    EXPECT_EQ(Drop(library::Pens, "bluethin.bmp", 150, 150), LibraryDrop::PenRecognised);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Drop(library::Shapes, "car.bmp", 150, 150), LibraryDrop::Nothing);
    EXPECT_EQ(Drop(library::Stamps, "tree.bmp", 10, 10), LibraryDrop::Nothing);
    EXPECT_EQ(std::tuple(ui.messages.size(), ui.lastWarningId(), objects.empty()),
              std::tuple(2u, TextId::GoProgramRunning, true));
    state.paused = true;
    state.flipped = state.homeFlipped = true;
    EXPECT_EQ(Drop(library::Shapes, "car.bmp", 166, 150), LibraryDrop::Nothing); // off the robot
    EXPECT_EQ(Drop(library::Shapes, "car.bmp", 150, 150), LibraryDrop::ShapeChanged);
    // A new shape comes the right way round.
    EXPECT_FALSE(state.flipped || state.homeFlipped);
    EXPECT_EQ(std::string(tables.names.Get(state.homeShapeId)), "car.bmp");
    EXPECT_EQ(Drop(library::Stamps, "tree.bmp", 299, 0), LibraryDrop::StampPlaced);
    EXPECT_EQ(objects[0].x, PixelsToMm(state, 299));
    EXPECT_EQ(Drop(library::Stamps, "tree.bmp", 0, 299), LibraryDrop::StampPlaced);
    // Off the working area nothing lands.
    EXPECT_EQ(Drop(library::Stamps, "tree.bmp", 300, 10), LibraryDrop::Nothing);
    EXPECT_EQ(Drop(library::Stamps, "tree.bmp", 10, -1), LibraryDrop::Nothing);
    EXPECT_EQ(Drop(library::Stamps, "tree.bmp", 10, 300), LibraryDrop::Nothing);
    EXPECT_EQ(Drop(library::Stamps, "", 10, 10), LibraryDrop::Nothing);
    EXPECT_EQ(objects.size(), 2u);
}

} // namespace
} // namespace zf
