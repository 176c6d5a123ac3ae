#include "desktop/frame/app_messages.h"
#include "desktop/frame/raz_azi.h"
#include "desktop/frame/session_end.h"
#include "desktop/listing/list_view.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "files/project_file.h"
#include "files/project_folder.h"

#include "desktop_fixture.h"

#include <QDir>

#include <cstdio>

namespace zf::ui {
namespace {

class Desktop : public DesktopTest {
  protected:
    // A number keyed on the drawn keypad, a digit at a time.
    void PressDigits(const char* digits) {
        for (const char* d = digits; *d; ++d)
            Press(key::Digit0 + (*d - '0'));
    }
};

TEST_F(Desktop, TheDrawnKeypadAndTheKeyboardFillTheGoList) {
    Press(key::Forward);
    PressDigits("2");
    Press(key::Repeat);
    PressDigits("4");
    Press(key::Bracket);
    Press(key::Forward);
    PressDigits("1");
    Press(key::Right);
    PressDigits("90");
    Press(key::Bracket);
    EXPECT_EQ(Lines(GO_LIST), (std::vector<std::string>{"NAME(\"My Go Program.gop\")", "FD 2",
                                                        "RPT 4 [", "FD 1", "RT 9 0", "]"}));
    EXPECT_TRUE(shown.empty());
    ListView* list = go()->goList();
    EXPECT_EQ(list->cursorLine(), 6);
    EXPECT_TRUE(list->cursorVisible());

    // The computer keyboard keys by the same rules.
    for (Qt::Key k :
         {Qt::Key_Up, Qt::Key_2, Qt::Key_R, Qt::Key_3, Qt::Key_BracketLeft, Qt::Key_Left, Qt::Key_4,
          Qt::Key_5, Qt::Key_BracketRight, Qt::Key_W, Qt::Key_Backspace, Qt::Key_Down, Qt::Key_0})
        QTest::keyClick(window.get(), k);
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.end()),
              (std::vector<std::string>{"FD 2", "RPT 3 [", "LT 4 5", "]", "BK"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Text(1078, {0, 1, 9}));
}

TEST_F(Desktop, GoRunsTheProgramAndDrawsItsTrail) {
    KeySequence(editor(), "PEN(pen1.bmp) FD 2 RPT 4 [ FD 1 RT 9 0 ]");
    const ZarnikState& robot = doc().state;
    const int startY = robot.y;
    Press(key::Go);
    RunToEnd();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(startY - robot.y, 600);
    EXPECT_FALSE(IsGoProgramActive(robot));
    // The trail shows on the working area: the first line below the robot,
    // the square's left side above it.
    const QImage& screen = drawing()->screen();
    const QPoint end = drawing()->RobotPixel();
    const int step = PixelsPerStep(robot);
    EXPECT_NE(screen.pixel(end.x(), end.y() + step), qRgb(255, 255, 255));
    EXPECT_NE(screen.pixel(end.x(), end.y() - step * 3 / 4), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(end.x() - step / 4, end.y() - step * 3 / 4), qRgb(255, 255, 255));
}

TEST_F(Desktop, StopAndContinueAndAKeypadKeyEndsARun) {
    KeySequence(editor(), "FD 4");
    const ZarnikState& robot = doc().state;
    const int startY = robot.y;
    Press(key::Go);
    RunFor(20);
    PostAppMessage(window.get(), msg::Stop); // the tool bar's Stop
    RunFor(5);
    EXPECT_TRUE(IsGoProgramActive(robot));
    const int stoppedAt = robot.y;
    EXPECT_GT(startY - stoppedAt, 0);
    RunFor(50);
    EXPECT_EQ(robot.y, stoppedAt);
    PostAppMessage(window.get(), msg::Continue);
    RunToEnd();
    EXPECT_EQ(startY - robot.y, 1200);
    EXPECT_FALSE(IsGoProgramActive(robot));

    Press(key::Go);
    RunFor(20);
    Press(key::Forward);
    RunToEnd();
    EXPECT_FALSE(IsGoProgramActive(robot));
    EXPECT_LT(startY - robot.y, 2400);
    EXPECT_EQ(Lines().size(), 2u); // the stopping key keyed nothing
}

TEST_F(Desktop, GoListClickDuringADefinitionIsRefused) {
    KeySequence(editor(), "FD 1 P 3 [ BK 1");
    ListView* list = go()->goList();
    Click(list, QPointF(20, 5));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().text, Text(31, {3}));
    EXPECT_EQ(editor().procedureBeingDefined, 3);
}

TEST_F(Desktop, ClearMemoryNeedsTwoPressesInFiveSeconds) {
    KeySequence(editor(), "FD 1");
    Press(key::ClearMemory);
    EXPECT_TRUE(keypad()->PromptShown());
    PressDigits("3");
    EXPECT_FALSE(keypad()->PromptShown());
    EXPECT_EQ(Lines(GO_LIST).back(), "FD 1"); // the digit keyed nothing
    Press(key::ClearMemory);
    Press(key::ClearMemory);
    EXPECT_TRUE(Lines(GO_LIST).empty());
    EXPECT_FALSE(keypad()->PromptShown());
}

TEST_F(Desktop, SplitterDragsAreClamped) {
    RazAzi* raz = window->razAzi();
    const int bar = raz->splitX() + 3;
    QTest::mousePress(raz, Qt::LeftButton, {}, QPoint(bar, 100));
    QTest::mouseRelease(raz, Qt::LeftButton, {}, QPoint(10, 100));
    EXPECT_EQ(raz->splitX(), 45 - 3);
    const int again = raz->splitX() + 3;
    QTest::mousePress(raz, Qt::LeftButton, {}, QPoint(again, 100));
    QTest::mouseRelease(raz, Qt::LeftButton, {}, QPoint(raz->width() - 10, 100));
    EXPECT_EQ(raz->splitX(), raz->width() - 90 - 3);
    window->Command(40214);
    EXPECT_EQ(raz->splitX(), int(raz->width() * 0.6));
}

TEST_F(Desktop, ExitAsksToSaveAChangedProgram) {
    EXPECT_TRUE(window->ExitChecks()); // nothing changed: nothing asked
    EXPECT_TRUE(shown.empty());
    KeySequence(editor(), "FD 1");
    editor().modified = 1;
    answer = Answer::Cancel;
    EXPECT_FALSE(window->ExitChecks());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, std::string(TextOf(103)) + "\n" + std::string(TextOf(102)));
    EXPECT_EQ(Lines(GO_LIST).size(), 2u); // still there after Cancel

    const std::string path = ::testing::TempDir() + "exit-save.gop";
    std::remove(path.c_str());
    doc().ui.hooks.saveFileName = [&](const std::string&) { return path; };
    answer = Answer::Yes;
    EXPECT_TRUE(window->ExitChecks());
    EXPECT_EQ(editor().Head(GO_LIST), nullptr); // the lists are freed on the way out
    std::FILE* saved = std::fopen(path.c_str(), "rb");
    ASSERT_NE(saved, nullptr);
    std::fclose(saved);
}

TEST_F(Desktop, TheStatusLineShowsChangedUnitsAndMemoryAndAProjectStartsWithTheRobotsOwn) {
    StatusLine* status = window->razAzi()->graphicsMain()->statusLine();
    ASSERT_TRUE(status->robotText);
    EXPECT_EQ(status->robotText(false), "0 cells used / 187");
    KeySequence(editor(), "FD [ 1 5 ] RT [ 2 ] FD 2");
    EXPECT_EQ(status->robotText(false), "10 cells used / 187");
    const ZarnikState& robot = doc().state;
    const int startY = robot.y;
    Press(key::Go);
    RunToEnd();
    EXPECT_EQ(startY - robot.y, 300);
    EXPECT_EQ(status->robotText(false), "step 15 cm   turn 2\xB0   10 cells used / 187");
    EXPECT_EQ(status->robotText(true), "15 cm   2\xB0   10/187");
    // Between runs the line shows it: dark letters on the button face.
    const QImage line = status->grab().toImage();
    int letters = 0;
    for (int x = 0; x < line.width(); ++x)
        for (int y = 4; y < line.height() - 4; ++y)
            letters += qGray(line.pixel(x, y)) < 96;
    EXPECT_GT(letters, 40);

    // Another project: the units are the robot's own again.
    const std::string folder = temp.path().toStdString() + "/";
    for (const char* sub : {"backgnds", "zarniks", "objects", "pens"})
        QDir(temp.path()).mkpath(sub);
    SetProjectFolderFromPath(folder);
    ProjectScene scene = doc().Scene();
    ASSERT_TRUE(SaveProjectAs(scene, folder + "lesson.zfp"));
    window->OpenProjectCommand(folder + "lesson.zfp");
    // Its Go Program is not there: the list is emptied, and the units are the robot's own.
    EXPECT_EQ(status->robotText(false), "0 cells used / 187");
    KeySequence(editor(), "CM FD 2");
    EXPECT_EQ(status->robotText(false), "3 cells used / 187");
    const int y = robot.y;
    Press(key::Go);
    RunToEnd();
    EXPECT_EQ(y - robot.y, 600);
}

// The session manager's save request before a logout asks what Exit asks;
// Cancel cancels the logout, and the close that ends the session asks
// nothing twice unless the user went on working meanwhile.
TEST_F(Desktop, LoggingOutAsksAsExitDoesAndCancelKeepsTheSession) {
    SessionEnd& session = *window->sessionEnd();
    EXPECT_TRUE(session.CommitData(true)); // nothing changed: nothing asked
    EXPECT_TRUE(shown.empty());
    KeySequence(editor(), "FD 1");
    editor().modified = 1;
    doc().projectChanged = true;
    EXPECT_TRUE(session.CommitData(false)); // no leave to ask: nothing asked
    EXPECT_TRUE(shown.empty());
    answer = Answer::Cancel;
    EXPECT_FALSE(session.CommitData(true));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, std::string(TextOf(103)) + "\n" + std::string(TextOf(102)));
    EXPECT_EQ(Lines(GO_LIST).size(), 2u);

    answer = Answer::No;
    shown.clear();
    EXPECT_TRUE(session.CommitData(true));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, std::string(TextOf(103)) + "\n" + std::string(TextOf(1020)));
    // The logout was cancelled elsewhere and work goes on: Exit asks again.
    Press(key::Back);
    shown.clear();
    answer = Answer::Cancel;
    EXPECT_FALSE(window->ExitChecks());
    EXPECT_EQ(shown.size(), 1u);

    answer = Answer::No;
    EXPECT_TRUE(session.CommitData(true));
    shown.clear();
    EXPECT_TRUE(window->ExitChecks());
    EXPECT_TRUE(shown.empty());
}

TEST(StatusLineName, LowerCaseWithoutFolderOrExtension) {
    EXPECT_EQ(StatusName("C:\\Zarnik Work\\Town.v2.gop"), "town");
    EXPECT_EQ(StatusName("/home/ann/Work/Square.gop"), "square");
}

} // namespace
} // namespace zf::ui
