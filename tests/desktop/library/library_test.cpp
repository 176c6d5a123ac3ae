#include "desktop/library/graphics_library.h"
#include "desktop/library/prog_centre_options.h"
#include "desktop/library/prog_centre_selector.h"
#include "desktop/listing/go_container.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/object_chooser.h"
#include "files/bitmap.h"
#include "files/project_folder.h"
#include "program/string_table.h"

#include "desktop_fixture.h"
#include "support/pixels.h"

#include <QAccessible>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace zf::ui {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The main window over a project folder of our own, its boxes answered here.
class Library : public DesktopTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        root = temp.path().toStdString() + "/";
        MakeProjectFolder(root + "project");
        fs::create_directories(root + "program");
        MakeWindow();
        doc().project.SetProgramFolder(root + "program/");
        window->StartupLoad("");
        doc().project.SetFromPath(root + "project/");
        ShowWindow();
    }

    // Pictures "pic01.bmp" .. up to `count` in a project folder.
    void Pictures(const char* folder, int count) {
        test::Recorder quiet;
        for (int i = 1; i <= count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "pic%02d.bmp", i);
            const std::string path = root + "project/" + folder + "/" + name;
            if (!fs::exists(path)) {
                ASSERT_TRUE(SaveBitmapFile(quiet, path, 20, 20, kSaveCircleTemplate));
            }
        }
    }

    GraphicsLibrary* library() const { return window->library(); }
    ProgCentreSelector* selector() const { return library()->selector(); }
    const LibrarySelector& page() const { return selector()->selector(); }
    QPushButton* option(int id) const { return library()->options()->button(id); }
    // Whether Create and Edit may be pressed.
    std::pair<bool, bool> CreateAndEdit() const {
        return {option(ProgCentreOptions::Create)->isEnabled(),
                option(ProgCentreOptions::Edit)->isEnabled()};
    }

    Names Cells() const {
        Names names;
        for (int k = 0; k < 8; ++k)
            names.push_back(page().CellName(k));
        return names;
    }
    // The library as the working area's tool bar (drag mode) or the Go
    // Container's (click mode) asks for it.
    void Open(int category, bool dragMode) {
        if (dragMode)
            emit window->razAzi()->graphicsMain()->libraryRequested(category, true);
        else
            emit window->goContainer()->libraryRequested(category, false);
    }
    void GraphicsTool(int slot) { ClickSlot(graphicsBar(), slot); }
    void ProgramTool(int slot) { ClickSlot(goBar(), slot); }
    void ClickCell(int cell) { Click(selector(), ProgCentreSelector::CellBox(cell).center()); }
    // A picture dragged from a cell and released over a point of the drawing window.
    void DragCell(int cell, QPoint onDrawing) {
        QTest::mousePress(selector(), Qt::LeftButton, {},
                          ProgCentreSelector::CellBox(cell).center());
        const QPoint at = selector()->mapFromGlobal(drawing()->mapToGlobal(onDrawing));
        QTest::mouseMove(selector(), at);
        cursorOverDrawing = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                           : Qt::BitmapCursor;
        QTest::mouseRelease(selector(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    // A run started and left at its first step: its clock stands still.
    void RunSlowly() {
        KeySequence(editor(), "FD 9");
        emit window->razAzi()->graphicsMain()->runRequested();
        for (int hop = 0; hop < 3; ++hop)
            QApplication::sendPostedEvents();
        drawing()->run().Pump();
        ASSERT_TRUE(drawing()->ProgramActive());
    }

    std::string root;
    Qt::CursorShape cursorOverDrawing = Qt::BitmapCursor;
};

TEST_F(Library, TheScrollRangeFollowsTheFolder) {
    Pictures("objects", 8);
    Open(library::Stamps, true);
    QScrollBar* bar = selector()->scrollBar();
    EXPECT_FALSE(bar->isEnabled());

    // A ninth picture is seen when the program is activated again.
    Pictures("objects", 9);
    library()->Activated();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), 5);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Cells(),
              (Names{"pic05.bmp", "pic06.bmp", "pic07.bmp", "pic08.bmp", "pic09.bmp", "", "", ""}));
    EXPECT_EQ(bar->value(), 4);

    // The thumb held at 5 shows the row it lies in and snaps there when let go.
    bar->setValue(0);
    bar->setSliderDown(true);
    bar->setSliderPosition(5);
    EXPECT_EQ(page().top(), 4);
    EXPECT_EQ(Cells()[0], "pic05.bmp");
    EXPECT_EQ(bar->sliderPosition(), 5);
    bar->setSliderDown(false);
    EXPECT_EQ(bar->value(), 4);
}

TEST_F(Library, EachCategoryKeepsItsPlace) {
    Pictures("zarniks", 9);
    Pictures("objects", 9);
    Open(library::Shapes, true);
    selector()->scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(page().top(), 4);
    Open(library::Stamps, true);
    EXPECT_EQ(page().top(), 0);
    EXPECT_EQ(library()->category(), library::Stamps);
    Open(library::Shapes, false);
    EXPECT_EQ(page().top(), 4);
    EXPECT_EQ(Cells()[0], "pic05.bmp");
    EXPECT_EQ(selector()->scrollBar()->value(), 4);
    // A screen reader reads the cells of the page shown, as they are labelled.
    QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(selector());
    ASSERT_EQ(cells->childCount(), 5);
    EXPECT_EQ(cells->child(0)->text(QAccessible::Name), "pic05");
    EXPECT_EQ(cells->child(4)->text(QAccessible::Name), "pic09");
    // A new project starts every category from the top.
    window->document().ResetGraphicsLibrary();
    EXPECT_EQ(page().top(), 0);
    Open(library::Shapes, true);
    EXPECT_EQ(page().top(), 0);
}

TEST_F(Library, ModesPlaceTheWindowAndChooseTheButtons) {
    EXPECT_FALSE(library()->isVisible());
    // Go Container: the robot page, then Pen Down.
    ProgramTool(1);
    ProgramTool(4);
    ASSERT_TRUE(library()->isVisible());
    EXPECT_EQ(library()->category(), library::Pens);
    EXPECT_EQ(library()->windowTitle().toStdString(), TextOf(TextId::ClickToAddToGoProgram));
    EXPECT_EQ(CreateAndEdit(), std::pair(false, false));
    const int bar = library()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(library()->x(), bar);

    Open(library::Stamps, false);
    EXPECT_EQ(CreateAndEdit(), std::pair(true, false));

    // Graphics tool bar: the robot page, then Set Zarnik Shape.
    GraphicsTool(3);
    GraphicsTool(1);
    EXPECT_EQ(library()->category(), library::Shapes);
    EXPECT_EQ(library()->windowTitle().toStdString(), TextOf(TextId::DragToGraphicsWindow));
    EXPECT_EQ(CreateAndEdit(), std::pair(true, true));
    EXPECT_EQ(library()->x() + library()->width() + bar, library()->parentWidget()->width());

    Click(option(ProgCentreOptions::Close), QPoint(5, 5));
    EXPECT_FALSE(library()->isVisible());
}

TEST_F(Library, TheGoContainerToolBarLooksPressedOnlyWhileHeldOverTheButton) {
    ToolStrip* bar = goBar();
    ProgramTool(0);
    // Held down it looks pressed; taken off and let go, it sends nothing.
    const QPoint stamps = ToolStrip::SlotRect(1).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, stamps);
    EXPECT_TRUE(bar->tools()[1].pressed);
    QTest::mouseMove(bar, stamps + QPoint(0, 30));
    EXPECT_FALSE(bar->tools()[1].pressed);
    QTest::mouseMove(bar, stamps);
    EXPECT_TRUE(bar->tools()[1].pressed);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, stamps + QPoint(0, 30));
    EXPECT_FALSE(library()->isVisible());
}

TEST_F(Library, AClickKeysTheCommandAsTheKeypadWould) {
    Pictures("zarniks", 3);
    ProgramTool(1);
    ProgramTool(1);
    ASSERT_EQ(library()->category(), library::Shapes);
    ClickCell(1);
    EXPECT_EQ(Lines(), (Names{"NAME(\"My Go Program.gop\")", "SHAPE(pic02.bmp)"}));
    // Space on a cell reached by the arrows keys it as a click does.
    selector()->setFocus(Qt::TabFocusReason);
    TypeKeys(selector(),
             {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Space});
    EXPECT_EQ(Lines().back(), "SHAPE(pic02.bmp)");
    EXPECT_EQ(Lines().size(), 3u);
    KeySequence(editor(), "CE");

    // Pressed, taken away and let go elsewhere: nothing; empty cells do nothing.
    QTest::mousePress(selector(), Qt::LeftButton, {}, ProgCentreSelector::CellBox(0).center());
    EXPECT_TRUE(selector()->CellPressed(0));
    QTest::mouseMove(selector(), ProgCentreSelector::CellBox(2).center());
    EXPECT_FALSE(selector()->CellPressed(0));
    QTest::mouseRelease(selector(), Qt::LeftButton, {}, ProgCentreSelector::CellBox(2).center());
    ClickCell(5);
    EXPECT_EQ(Lines().size(), 2u);

    // During a run neither the library nor the tool bar keys anything.
    RunSlowly();
    const auto before = Lines();
    ClickCell(0);
    ProgramTool(1);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].id, TextId::GoProgramRunning);
    EXPECT_EQ(shown[1].id, TextId::GoProgramRunning);
    EXPECT_EQ(Lines(), before);
}

TEST_F(Library, AStampDraggedOntoTheWorkingAreaLandsWhereItIsDropped) {
    Pictures("objects", 2);
    GraphicsTool(0);
    GraphicsTool(1);
    ASSERT_EQ(library()->category(), library::Stamps);
    const std::size_t before = window->document().objects.size();
    window->document().projectChanged = false;
    DragCell(1, QPoint(40, 60));
    EXPECT_EQ(cursorOverDrawing, Qt::DragCopyCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const GraphicObjectList& objects = window->document().objects;
    ASSERT_EQ(objects.size(), before + 1);
    const GraphicObject& stamp = objects[objects.size() - 1];
    const ZarnikState& state = window->document().state;
    EXPECT_EQ(stamp.kind, objectkind::Stamp);
    EXPECT_EQ(std::string(doc().tables.names.Get(stamp.nameId)), "pic02.bmp");
    EXPECT_EQ(stamp.x, PixelsToMm(state, 40));
    EXPECT_EQ(stamp.y, PixelsToMm(state, 60));
    EXPECT_TRUE(window->document().projectChanged);

    // Dragged on the working area, it follows the pointer before it is let go.
    auto inked = [this, &state](QPoint centre) {
        const int half = PixelsPerStep(state) / 2;
        const auto ink = [](QRgb c) { return c != qRgb(255, 255, 255); };
        return test::CountIf(drawing()->grab().toImage(), ink,
                             QRect(centre, centre).adjusted(-half, -half, half, half));
    };
    const int ink = inked({40, 60});
    ASSERT_GT(ink, 0);
    ASSERT_EQ(inked({200, 150}), 0);
    QTest::mousePress(drawing(), Qt::LeftButton, {}, QPoint(40, 60));
    QTest::mouseMove(drawing(), QPoint(120, 100));
    QTest::mouseMove(drawing(), QPoint(200, 150));
    EXPECT_EQ(inked({40, 60}), 0);
    // The picture that follows is the stamp, scaled alike.
    EXPECT_NEAR(inked({200, 150}), ink, ink / 10);
    QTest::mouseRelease(drawing(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(stamp.x, PixelsToMm(state, 200));
    EXPECT_EQ(inked({200, 150}), ink);
    // Released over the library itself, it is not placed.
    QTest::mousePress(selector(), Qt::LeftButton, {}, ProgCentreSelector::CellBox(0).center());
    QTest::mouseRelease(selector(), Qt::LeftButton, {}, ProgCentreSelector::CellBox(3).center());
    QApplication::processEvents();
    EXPECT_EQ(objects.size(), before + 1);
}

// A child without a mouse keys a program and runs it, stamps a picture at the
// robot and clears it again, each key sent to whatever has the focus.
TEST_F(Library, EverythingIsDoneByKeyboardAlone) {
    Pictures("objects", 10);
    const auto key = [](int code, Qt::KeyboardModifiers with = {}) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), Qt::Key(code), with);
        QApplication::processEvents();
    };
    QApplication::setActiveWindow(window.get());
    drawing()->setFocus(Qt::TabFocusReason);
    const ZarnikState& state = doc().state;
    const int x = state.x, y = state.y;
    for (int code : {Qt::Key_Up, Qt::Key_2, Qt::Key_Right, Qt::Key_9, Qt::Key_0, Qt::Key_Up,
                     Qt::Key_1, Qt::Key_Return})
        key(code);
    RunToEnd();
    EXPECT_EQ(Lines(), (Names{"NAME(\"My Go Program.gop\")", "FD 2", "RT 9 0", "FD 1"}));
    EXPECT_EQ(std::pair(state.x, state.y), std::pair(x + kStepMm, y - 2 * kStepMm));

    // The stamps' page, its library, the picture two rows down: the page
    // scrolls to show it, and Return lets it go on the robot.
    for (int code : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space})
        key(code);
    ASSERT_EQ(QApplication::focusWidget(), selector());
    for (int code : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down})
        key(code);
    EXPECT_EQ(page().top(), 4);
    EXPECT_EQ(page().CellName(selector()->keyedCell()), "pic10.bmp");
    key(Qt::Key_Return);
    const GraphicObjectList& objects = doc().objects;
    ASSERT_GT(objects.size(), 0u);
    const GraphicObject& stamp = objects[objects.size() - 1];
    EXPECT_EQ(std::string(doc().tables.names.Get(stamp.nameId)), "pic10.bmp");
    const int pixel = PixelsToMm(state, 1);
    EXPECT_NEAR(stamp.x, state.x, pixel);
    EXPECT_NEAR(stamp.y, state.y, pixel);
    key(Qt::Key_Escape);
    EXPECT_FALSE(library()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), graphicsBar());

    // A stamp flipped, then given up; then cleared.
    for (int code : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space})
        key(code);
    ObjectChooser* chooser = window->razAzi()->graphicsMain()->chooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), chooser);
    EXPECT_EQ(chooser->accessibleName().toStdString(),
              "Stamp pic10, 6 steps from the left and 3 steps from the top.");
    key(Qt::Key_Escape);
    EXPECT_EQ(stamp.param3, 0);
    for (int code : {Qt::Key_Left, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return})
        key(code);
    EXPECT_EQ(objects.size(), 0u);
}

TEST_F(Library, CreateAndEditHandThePictureToThePaintProgram) {
    const std::string paint = root + "program/paint";
    std::ofstream(root + "program/zfield.ini")
        << "[paint package]\r\npaint1=" << paint << "\r\npaint2=" << paint << "\r\npaint3=" << paint
        << "\r\n";
    Names given;
    int result = 42;
    library()->StartProgramsWith([&](const std::string& program, const Names& arguments) {
        EXPECT_EQ(program, paint);
        given.insert(given.end(), arguments.begin(), arguments.end());
        return result;
    });

    Open(library::Shapes, true);
    Click(option(ProgCentreOptions::Create), QPoint(5, 5));
    Click(option(ProgCentreOptions::Create), QPoint(5, 5));
    const std::string first = root + "project/zarniks/untitled.bmp";
    const std::string second = root + "project/zarniks/untitled2.bmp";
    EXPECT_EQ(Cells(), (Names{"untitled.bmp", "untitled2.bmp", "", "", "", "", "", ""}));
    // Edit opens the picture chosen in the library.
    ClickCell(0);
    Click(option(ProgCentreOptions::Edit), QPoint(5, 5));
    EXPECT_EQ(given, (Names{first, second, first}));

    // With no paint program to take it, a new picture is not left behind.
    result = kStartFileNotFound;
    Open(library::Shapes, true);
    Click(option(ProgCentreOptions::Create), QPoint(5, 5));
    EXPECT_FALSE(fs::exists(root + "project/zarniks/untitled3.bmp"));
    EXPECT_EQ(Cells(), (Names{"untitled.bmp", "untitled2.bmp", "", "", "", "", "", ""}));
    EXPECT_EQ(shown.size(), 1u);
}

} // namespace
} // namespace zf::ui
