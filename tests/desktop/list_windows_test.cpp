// The list windows and the Procedure window as a new user meets them: lines
// wider than the window, the window's start place, and bringing it back.

#include "desktop/frame/child_frame.h"
#include "desktop/frame/raz_azi.h"
#include "desktop/frame/tool_strip.h"
#include "desktop/listing/list_view.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "simulation/zarnik_state.h"

#include "desktop_fixture.h"

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
    QWidget* client() const { return window->centralWidget(); }
    ChildFrame* frame() const { return window->procedureFrame(); }
    QRect InClient(QWidget* w) const { return QRect(w->mapTo(client(), QPoint(0, 0)), w->size()); }

    // Yellow (the digit pictures) anywhere in a band of a list's picture.
    static bool YellowIn(const QImage& image, QRect band) {
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                if (image.pixelColor(x, y) == QColor(255, 255, 0))
                    return true;
        return false;
    }
};

TEST_F(ListWindows, ALineWiderThanTheWindowScrollsIntoView) {
    Open("");
    GoEditor& editor = *window->document().editor;
    // The deepest line, RT 9 0, starts nine pictures in.
    ASSERT_TRUE(KeySequence(editor, "P 3 [ RPT 4 [ RPT 5 [ FD 1 RT 9 0 ] ] ]"));
    ListView* list = window->procedureList();
    frame()->setGeometry(50, 50, 280, 300);
    list->ListChanged();
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
    frame()->setGeometry(50, 50, wide + 60, 300);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(list->ListArea().height(), list->height());

    // The Go List scrolls a long text line too.
    ListView* goList = window->goContainer()->goList();
    EXPECT_FALSE(goList->horizontalBar()->isVisible());
    ASSERT_TRUE(KeySequence(editor, "TEXT(\"A text line far wider than the Go List window could "
                                    "ever be on a classroom screen, however wide it is made\")"));
    goList->ListChanged();
    EXPECT_TRUE(goList->horizontalBar()->isVisible());
}

TEST_F(ListWindows, TheProcedureWindowOpensWideEnoughAndClearOfTheRobot) {
    // The examples' deepest procedure lines fit at the default listing size.
    Open(ZF_SOURCE_EXAMPLES "/procs.gop");
    EXPECT_EQ(window->procedureList()->iconSize(), 30);
    EXPECT_GT(window->document().editor->LineCount(PROC_LIST), 5);
    EXPECT_FALSE(window->procedureList()->horizontalBar()->isVisible());

    // Wherever the robot starts, the window leaves it in view.
    GraphicsDrawing* floor = window->drawing();
    ZarnikState& state = window->document().state;
    for (auto [x, y] : {std::pair{1500, 1500}, {450, 450}, {2550, 450}, {450, 2550}}) {
        state.x = x;
        state.y = y;
        window->Command(40214);
        const QPoint robot = floor->mapTo(client(), floor->RobotPixel());
        const int half = PixelsPerStep(state) / 2;
        EXPECT_FALSE(frame()->geometry().intersects(
            QRect(robot - QPoint(half, half), QSize(2 * half, 2 * half))))
            << x << ", " << y;
    }
}

TEST_F(ListWindows, WindowProcedureBringsAnOffScreenWindowBack) {
    Open("");
    const QRect inside = client()->rect();
    for (QPoint away : {QPoint(-150, -100), QPoint(inside.width() - 40, inside.height() - 20),
                        QPoint(-1000, 5000)}) {
        frame()->move(away);
        window->Command(40215);
        EXPECT_TRUE(inside.contains(frame()->geometry())) << away.x() << ", " << away.y();
        EXPECT_TRUE(frame()->isVisible());
    }
    // A window already inside stays where it is.
    frame()->move(120, 80);
    frame()->lower();
    window->Command(40215);
    EXPECT_EQ(frame()->pos(), QPoint(120, 80));
    EXPECT_EQ(client()->children().last(), frame());

    // Minimised, its bar covers no tool bar; opening a program leaves it
    // minimised and Default Layout restores it.
    frame()->Minimise();
    const QRect bar = frame()->geometry();
    for (QWidget* w : {static_cast<QWidget*>(graphicsBar()), static_cast<QWidget*>(goBar()),
                       static_cast<QWidget*>(window->razAzi()->graphicsMain()->statusLine())})
        EXPECT_FALSE(bar.intersects(InClient(w)));
    Open("");
    EXPECT_TRUE(frame()->minimised());
    window->Command(40214);
    EXPECT_FALSE(frame()->minimised());
    EXPECT_EQ(frame()->height(), 300);
}

} // namespace
} // namespace zf::ui
