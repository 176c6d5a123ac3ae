#include "desktop/help/help_commands.h"
#include "desktop/help/tooltips.h"
#include "desktop/listing/procedure_pane.h"
#include "desktop/workarea/status_line.h"

#include "desktop_fixture.h"

#include <QAction>

#include <fstream>

namespace zf::ui {
namespace {

// The main window with the pointer, the activation and the desktop's edge
// played by the test; the timer never fires, ticks are called by hand.
class Tips : public DesktopTest, public TooltipDesktop {
  protected:
    void SetUp() override {}
    void Open(const std::string& ini) {
        iniPath = temp.filePath("zfield.ini").toStdString();
        std::ofstream(iniPath) << ini;
        MakeWindow({1000, 700}, iniPath);
        ShowWindow();
        tips = window->help()->tooltips();
        tips->SetDesktop(*this);
    }
    QPoint Pointer() const override { return pointer; }
    bool Active(const QWidget*) const override { return active; }
    int RightEdge(QPoint) const override { return rightEdge; }

    // Points at a slot of a tool bar and ticks.
    void TickAt(ToolStrip* bar, int slot) {
        pointer = bar->mapToGlobal(ToolStrip::SlotRect(slot).center());
        Tick();
    }
    void Tick() {
        tips->Tick();
        QApplication::processEvents();
    }
    ToolTipWindow* popup() const { return tips->popup(); }
    bool tipShown() const { return popup() && popup()->isVisible(); }

    std::string iniPath;
    Tooltips* tips = nullptr;
    QPoint pointer;
    bool active = true;
    int rightEdge = 100000;
};

TEST_F(Tips, APointerOnAButtonShowsItsTipAboveItWithoutRepaintingItAgain) {
    Open("[tooltips]\r\ndelay=200\r\n");
    ASSERT_TRUE(tips->running());
    EXPECT_EQ(tips->timer().interval(), 200);

    TickAt(goBar(), 1);
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(tips->timer().interval(), kTooltipFastPoll);
    const QSize text = popup()->MeasureText(popup()->text());
    EXPECT_EQ(popup()->geometry(), QRect(pointer.x() + 2, pointer.y() - text.height() - 22,
                                         text.width() + 5, text.height() + 5));

    // Over the graphics tool bar, where a tip above the pointer would cover
    // the status line being read while stepping, it stands beside the
    // pointer; even the longest tip reads on one line.
    window->razAzi()->graphicsMain()->ShowToolPage(ToolPage::Main);
    TickAt(graphicsBar(), 3);
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(popup()->text(), "Zarnik - Position, Shape & Direction");
    EXPECT_EQ(popup()->MeasureText(popup()->text()).height(), popup()->fontMetrics().height());
    const QWidget* status = window->razAzi()->graphicsMain()->statusLine();
    EXPECT_FALSE(
        popup()->geometry().intersects(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
    EXPECT_GT(popup()->x(), pointer.x());

    // Moving within the button changes nothing on the screen.
    const int paints = popup()->paints();
    pointer += QPoint(3, 2);
    Tick();
    EXPECT_EQ(popup()->paints(), paints);

    // An empty slot of the bar hides the tip and slows the polling down.
    TickAt(graphicsBar(), 6);
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(tips->timer().interval(), 200);

    // The Go Container's bar answers too; a doubled ampersand shows once.
    TickAt(goBar(), 0);
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(popup()->text(), "Stamps & Text");

    // Anywhere else hides it.
    pointer = window->procedurePane()->mapToGlobal(QPoint(40, 60));
    Tick();
    EXPECT_FALSE(tipShown());
}

TEST_F(Tips, ATipNearTheRightEdgeEndsAtTheEdgeAndGoesWhileAnotherWindowIsActive) {
    Open("");
    EXPECT_EQ(tips->timer().interval(), kTooltipShortestDelay); // delay 0
    const QPoint button = goBar()->mapToGlobal(ToolStrip::SlotRect(1).center());
    rightEdge = button.x() + 20;
    TickAt(goBar(), 1);
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(popup()->geometry().right() + 1, rightEdge);
    EXPECT_LT(popup()->x(), button.x() + 2);

    // Another window of the program in front: the tip goes and nothing
    // else happens until the main window is active again.
    active = false;
    TickAt(graphicsBar(), 0);
    EXPECT_FALSE(tipShown());
    EXPECT_TRUE(tips->running());
    TickAt(goBar(), 1);
    EXPECT_FALSE(tipShown());
    active = true;
    Tick();
    EXPECT_TRUE(tipShown());
}

// Off in the options file (a bad delay polling at 1 ms for this run), on
// and off by the menu, the program's activation and the exit checks.
TEST_F(Tips, TheOptionsActivationAndTheMenuStartAndStopThem) {
    Open("[tooltips]\r\nshow=0\r\ndelay=99999\r\n");
    QAction* option = window->Action(command::Tooltips);
    ASSERT_TRUE(option->isEnabled());
    EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(tips->delay(), 1);
    // With the option off, coming back to the program starts nothing.
    tips->ApplicationActivated(true);
    EXPECT_FALSE(tips->running());
    window->Command(command::Tooltips);
    EXPECT_TRUE(option->isChecked());
    TickAt(graphicsBar(), 0);
    ASSERT_TRUE(tipShown());

    tips->ApplicationActivated(false);
    EXPECT_FALSE(tips->timer().isActive());
    EXPECT_EQ(popup(), nullptr);
    tips->ApplicationActivated(true);
    EXPECT_TRUE(tips->timer().isActive());
    window->Command(command::Tooltips);
    EXPECT_FALSE(option->isChecked());
    EXPECT_FALSE(tips->running());
    window->Command(command::Tooltips);
    ASSERT_TRUE(tips->running());
    // The exit checks stop them.
    EXPECT_TRUE(window->ExitChecks());
    EXPECT_FALSE(tips->running());
}

} // namespace
} // namespace zf::ui
