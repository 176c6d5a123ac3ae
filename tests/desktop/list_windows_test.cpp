// The list windows and the Procedure pane as a new user meets them: lines
// wider than the window, the pane's place beside the working area, and
// bringing it back.

#include "desktop/frame/tool_strip.h"
#include "desktop/listing/list_view.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/shell/projector_mode.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "simulation/zarnik_state.h"

#include "desktop_fixture.h"
#include "support/pixels.h"

#include <QScrollBar>

namespace zf::ui {
namespace {

class ListWindows : public DesktopTest {
  protected:
    void SetUp() override {
        MakeWindow();
        ShowWindow();
    }
    void Open(const char* argument) {
        window->StartupLoad(argument);
        QApplication::processEvents();
    }
    ProcedurePane* pane() const { return window->procedurePane(); }
    QRect InWindow(QWidget* w) const {
        return QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size());
    }
    // Yellow (the digit pictures) anywhere in a band of a list's picture.
    static bool YellowIn(const QImage& image, QRect band) {
        return test::CountIf(image, test::Colour(qRgb(255, 255, 0)), band) > 0;
    }
};

TEST_F(ListWindows, ALineWiderThanTheWindowScrollsIntoView) {
    Open("");
    GoEditor& editor = *window->document().editor;
    // The deepest line, RT 9 0, starts nine pictures in.
    ASSERT_TRUE(KeySequence(editor, "P 3 [ RPT 4 [ RPT 5 [ FD 1 RT 9 0 ] ] ]"));
    ListView* list = window->procedureList();
    list->resize(280, 280);
    list->ListChanged();
    list->ScrollTo(0);
    QApplication::processEvents();

    const int s = list->iconSize();
    const QRect area = list->ListArea();
    const int wide = 5 + 9 * s + 3 * s;
    ASSERT_GT(wide, area.width());
    QScrollBar* bar = list->horizontalBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), wide - area.width());
    // Line 5's last picture, the 0, lies past the right edge...
    const QRect end(area.width() - s, 5 * (s + 5) - s / 2, s - 2, 2);
    EXPECT_FALSE(YellowIn(list->grab().toImage(), end));
    // ...until the bar is pulled to its end.
    bar->setValue(bar->maximum());
    EXPECT_TRUE(YellowIn(list->grab().toImage(), end));
    EXPECT_TRUE(shown.empty());

    // Wide enough again, the bar goes and the lines return to the margin.
    list->resize(wide + 60, 280);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(list->ListArea().height(), list->height());
}

TEST_F(ListWindows, TheWorkingAreaStaysWholeInViewAtEveryScreenSize) {
    // The example is copied into the work folder: the test's own.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", temp.path().toUtf8());
    for (QSize screen : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080)}) {
        MakeWindow(screen);
        ShowWindow();
        Open(ZF_EXAMPLE_BUILT "town.zfp");
        // As at a first start on that screen, and after Default Layout.
        window->Command(command::DefaultLayout);
        QApplication::processEvents();
        ASSERT_TRUE(KeySequence(editor(),
                                "CM POS(0,0) HEAD(0) P 3 [ RPT 4 [ RPT 5 [ FD 1 RT 9 0 ] ] ] "
                                "PEN(redwide.bmp) FD 2 RT 9 0 FD 2 P 3"));
        go()->goList()->ListChanged();
        window->procedureList()->ListChanged();
        Press(key::Go);
        RunToEnd();
        ASSERT_TRUE(shown.empty()) << shown[0].text;

        // What the window shows where the working area lies is the working
        // area's own picture, robot and trail included.
        const QImage whole = window->grab().toImage();
        const QImage floor = drawing()->grab().toImage();
        const QRect at = InWindow(drawing());
        EXPECT_TRUE(window->rect().contains(at)) << screen.width();
        EXPECT_EQ(whole.copy(at), floor.convertToFormat(whole.format())) << screen.width();
        const QPoint robot = drawing()->RobotPixel();
        EXPECT_NE(floor.pixelColor(robot), floor.pixelColor(robot + QPoint(0, 1) * 200))
            << "the robot is drawn";
        EXPECT_GT(test::CountIf(floor, test::Colour(qRgb(255, 0, 0))), 100) << "the trail is drawn";

        // The pane lies in the Go Container, under the Go List, and shows
        // the examples' deepest procedure line whole.
        const QRect procedure = InWindow(pane());
        EXPECT_TRUE(InWindow(go()).contains(procedure));
        EXPECT_FALSE(procedure.intersects(at));
        EXPECT_GE(procedure.top(), InWindow(go()->goList()).bottom());
        EXPECT_FALSE(window->procedureList()->horizontalBar()->isVisible()) << screen.width();
        EXPECT_GE(window->procedureList()->WholeLinesShown(), 4) << screen.width();
        EXPECT_GE(go()->goList()->WholeLinesShown(), 5) << screen.width();
        Settle();
        window.reset();
    }
    qputenv("HOME", home);
}

TEST_F(ListWindows, TheProcedurePaneMinimisesDocksAndKeepsItsPlace) {
    const std::string ini = temp.filePath("zfield.ini").toStdString();
    MakeWindow({1280, 800}, ini);
    ShowWindow();
    Open("");
    ListsPane* lists = go()->lists();
    const int goListHeight = go()->goList()->height();

    // Minimised, the Go List takes the room; keying a procedure, or
    // Window > Procedure, brings the pane back.
    pane()->Minimise();
    EXPECT_GT(go()->goList()->height(), goListHeight);
    EXPECT_FALSE(window->procedureList()->isVisible());
    for (int code : {int(key::Procedure), key::Digit0 + 2, int(key::Bracket), int(key::Forward)})
        Press(code);
    EXPECT_FALSE(pane()->minimised());
    EXPECT_EQ(go()->goList()->height(), goListHeight);
    pane()->Minimise();
    window->Command(command::ShowProcedure);
    EXPECT_FALSE(pane()->minimised());

    // Beside the Go List, then a drag of the bar between them.
    lists->SetPlace({ListsPane::Dock::Beside, 50});
    QApplication::processEvents();
    EXPECT_EQ(InWindow(pane()).top(), InWindow(go()->goList()).top());
    EXPECT_GT(InWindow(pane()).left(), InWindow(go()->goList()).right());
    const int bar = lists->splitPosition();
    QTest::mousePress(lists, Qt::LeftButton, {}, QPoint(bar + 3, 100));
    QTest::mouseMove(lists, QPoint(bar + 63, 100));
    QTest::mouseRelease(lists, Qt::LeftButton, {}, QPoint(bar + 63, 100));
    const ListsPane::Place dragged = lists->place();
    EXPECT_EQ(dragged.dock, ListsPane::Dock::Beside);
    EXPECT_NEAR(dragged.goListPercent, (bar + 60) * 100.0 / lists->width(), 1);

    // A new size keeps the share; the next start finds the place again.
    window->resize(1024, 768);
    QApplication::processEvents();
    EXPECT_EQ(lists->place(), dragged);
    ASSERT_TRUE(window->ExitChecks());
    window.reset();
    MakeWindow({1280, 800}, ini);
    ShowWindow();
    EXPECT_EQ(window->goContainer()->lists()->place(), dragged);

    // Default Layout puts it back under the Go List.
    window->Command(command::DefaultLayout);
    EXPECT_EQ(go()->lists()->place(), ListsPane::Place{});
}

TEST_F(ListWindows, TheProjectorKeysZoomTheWorkingAreaAndTheListingsAndKeepTheRobotInView) {
    Open("");
    ProjectorMode* projector = window->projector();
    const float fit = doc().state.zoom;
    const QRect view = InWindow(drawing()->parentWidget());
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(window->isFullScreen());

    // Ctrl++ twice: the pictures and the working area grow together, and
    // the working area is shown through its view.
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(projector->zoomPercent(), 150);
    EXPECT_EQ(go()->goList()->iconSize(), 45);
    EXPECT_EQ(window->procedureList()->iconSize(), 45);
    EXPECT_FLOAT_EQ(doc().state.zoom, fit * 1.5f);
    EXPECT_EQ(InWindow(drawing()->parentWidget()), view);
    EXPECT_GT(drawing()->width(), view.width());

    // A run towards the corner takes the view along with the robot.
    ASSERT_TRUE(KeySequence(editor(), "FD 4 RT 9 0 FD 4"));
    Press(key::Go);
    RunToEnd();
    ASSERT_TRUE(shown.empty());
    const QPoint robot = drawing()->mapTo(window.get(), drawing()->RobotPixel());
    EXPECT_TRUE(view.contains(robot));
    EXPECT_NE(drawing()->pos(), QPoint(0, 0));

    // Ctrl+0 fits it again.
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(projector->zoomPercent(), 100);
    EXPECT_FLOAT_EQ(doc().state.zoom, fit);
    EXPECT_EQ(drawing()->pos(), QPoint(0, 0));
    EXPECT_EQ(go()->goList()->iconSize(), 30);
}

} // namespace
} // namespace zf::ui
