#include "desktop/help/help_commands.h"
#include "desktop/help/tooltips.h"
#include "desktop/library/prog_centre_selector.h"
#include "desktop/listing/list_view.h"
#include "desktop/shell/raz_azi.h"
#include "desktop/shell/session_end.h"
#include "desktop/workarea/graphics_main.h"
#include "desktop/workarea/status_line.h"
#include "files/ini_file.h"
#include "program/program_snapshot.h"
#include "render/contrast_look.h"
#include "render/working_area.h"
#include "simulation/edit_history.h"

#include <QClipboard>

#include "desktop_fixture.h"
#include "support/pixels.h"

#include <QFileInfo>
#include <QFontInfo>

#include <cstdio>

namespace zf::ui {
namespace {

using Desktop = DesktopTest;

// Typed keys are the keyboard lesson's (library test) and the list's
// (accessibility test); Down, which keys Back, is typed only here.
TEST_F(Desktop, DownKeysBackAndTheGoListRefusesAClickDuringADefinition) {
    TypeKeys(window.get(), {Qt::Key_Down, Qt::Key_3});
    EXPECT_EQ(Lines().back(), "BK 3");
    ListView* list = go()->goList();
    EXPECT_EQ(list->cursorLine(), 2);
    EXPECT_TRUE(list->cursorVisible());

    // A click on the Go List while a procedure is being defined is refused.
    KeySequence(editor(), "P 3 [ BK 1");
    Click(list, QPointF(20, 5));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Text(TextId::DefinitionIncomplete, {3}));
    EXPECT_EQ(editor().procedureBeingDefined, 3);
}

TEST_F(Desktop, StopAndContinueAndAKeypadKeyEndsARun) {
    KeySequence(editor(), "FD 4");
    const ZarnikState& robot = doc().state;
    const int startY = robot.y;
    Press(key::Go);
    RunFor(20);
    emit window->razAzi()->graphicsMain()->stopRequested(); // the tool bar's Stop
    RunFor(5);
    EXPECT_TRUE(IsGoProgramActive(robot));
    const int stoppedAt = robot.y;
    EXPECT_GT(startY - stoppedAt, 0);
    RunFor(50);
    EXPECT_EQ(robot.y, stoppedAt);
    emit window->razAzi()->graphicsMain()->continueRequested();
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

TEST_F(Desktop, SplitterDragsAreClamped) {
    RazAzi* raz = window->razAzi();
    for (auto [to, at] : {std::pair(10, 45 - 3), std::pair(raz->width() - 10, raz->width() - 93)}) {
        QTest::mousePress(raz, Qt::LeftButton, {}, QPoint(raz->splitX() + 3, 100));
        QTest::mouseRelease(raz, Qt::LeftButton, {}, QPoint(to, 100));
        EXPECT_EQ(raz->splitX(), at);
    }
    window->Command(command::DefaultLayout);
    EXPECT_EQ(raz->splitX(), int(raz->width() * 0.6));
}

TEST_F(Desktop, ExitSavesAChangedProgramWhenTheAnswerIsYes) {
    KeySequence(editor(), "FD 1");
    editor().modified = 1;
    const std::string path = temp.filePath("exit-save.gop").toStdString();
    saveName = [&](const std::string&) { return path; };
    answer = Answer::Yes;
    EXPECT_TRUE(window->ExitChecks());
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(editor().Head(GO_LIST), nullptr); // the lists are freed on the way out
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(path)));
}

TEST_F(Desktop, TheStatusLineShowsUnitsAndMemoryAndGrowsWithTheText) {
    StatusLine* status = window->razAzi()->graphicsMain()->statusLine();
    EXPECT_EQ(status->RobotText(false), "0 cells used / 187");
    KeySequence(editor(), "FD [ 1 5 ] RT [ 2 ] FD 2");
    EXPECT_EQ(status->RobotText(false), "10 cells used / 187");
    const ZarnikState& robot = doc().state;
    const int startY = robot.y;
    Press(key::Go);
    RunToEnd();
    EXPECT_EQ(startY - robot.y, 300);
    EXPECT_EQ(status->RobotText(false), "step 15 cm   turn 2°   10 cells used / 187");
    EXPECT_EQ(status->RobotText(true), "15 cm   2°   10/187");
    // Between runs the line shows it: dark letters on the button face.
    const QImage line = status->grab().toImage();
    const auto dark = [](QRgb c) { return qGray(c) < 96; };
    EXPECT_GT(test::CountIf(line, dark, line.rect().adjusted(0, 4, 0, -4)), 40);

    // Desktop text twice the size: the line, the rulers, the tool tips and the
    // library's cells grow with it; a text on the floor is the child's drawing and keeps its size.
    GraphicsMain* graphics = window->razAzi()->graphicsMain();
    graphics->ToggleRulers();
    LogFont floorFont;
    floorFont.height = -24;
    auto sizes = [&] {
        return std::array{status->height(), graphics->drawing()->parentWidget()->x(),
                          window->help()->tooltips()->popup()->MeasureText("Run").height(),
                          ProgCentreSelector::CellBox(1).width(),
                          QFontInfo(TextObjectFont(floorFont, 40)).pixelSize()};
    };
    ASSERT_NE(window->help()->tooltips()->popup(), nullptr);
    const auto usual = sizes();
    const QFont desktopFont = QApplication::font();
    QFont twice = desktopFont;
    twice.setPointSizeF(desktopFont.pointSizeF() * 2);
    QApplication::setFont(twice);
    Settle();
    const auto large = sizes();
    QApplication::setFont(desktopFont);
    EXPECT_GE(large[2], 2 * usual[2] - 2);
    EXPECT_EQ(std::tuple(large[0], large[1], large[3], large[4]),
              std::tuple(2 * usual[0], 2 * usual[1], 2 * usual[3], usual[4]));
    graphics->ToggleRulers();

    // The program's name on the line: lower case, without folder or extension.
    EXPECT_EQ(StatusName("C:\\Zarnik Work\\Town.v2.gop"), "town");
    EXPECT_EQ(StatusName("/home/ann/Work/Square.gop"), "square");
}

// The session manager's save request before a logout asks what Exit asks;
// Cancel cancels the logout, and the close that ends the session asks
// nothing twice unless the user went on working meanwhile.
TEST_F(Desktop, LoggingOutAsksAsExitDoesAndCancelKeepsTheSession) {
    SessionEnd& session = *window->sessionEnd();
    EXPECT_TRUE(window->ExitChecks()); // nothing changed: nothing asked
    EXPECT_TRUE(session.CommitData(true));
    KeySequence(editor(), "FD 1");
    editor().modified = 1;
    doc().projectChanged = true;
    EXPECT_TRUE(session.CommitData(false)); // no leave to ask: nothing asked
    EXPECT_TRUE(shown.empty());
    const auto exitAsking = [](TextId id) {
        return std::string(TextOf(TextId::ExitZarnikfield)) + "\n" + std::string(TextOf(id));
    };
    answer = Answer::Cancel;
    EXPECT_FALSE(session.CommitData(true));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, exitAsking(TextId::SaveGoProgramChanges));
    EXPECT_EQ(Lines(GO_LIST).size(), 2u);

    answer = Answer::No;
    shown.clear();
    EXPECT_TRUE(session.CommitData(true));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, exitAsking(TextId::SaveProjectChanges));
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

// The commands every desktop program has: shortcuts, Undo and Redo, the
// recent files and the options kept between sessions.
class Everyday : public Desktop {
  protected:
    void SetUp() override {
        options = temp.filePath("zfield.ini").toStdString();
        Start();
    }
    void Start() {
        MakeWindow({1280, 800}, options);
        window->StartupLoad("");
        ShowWindow();
        window->activateWindow();
    }
    void Keys(QKeyCombination combination) {
        QTest::keyClick(window.get(), combination.key(), combination.keyboardModifiers());
        QApplication::processEvents();
    }
    std::string Path(const char* name) const { return temp.filePath(name).toStdString(); }
    ProgramSnapshot Program() const { return TakeProgramSnapshot(editor()); }
    AreaSnapshot Area() const { return TakeAreaSnapshot(doc().state, doc().trail, doc().objects); }

    std::string options;
};

TEST_F(Everyday, SaveNewCopyAndClearMemoryByTheirKeys) {
    int dialogs = 0;
    std::string chosen = Path("first.gop");
    saveName = [&](const std::string&) {
        ++dialogs;
        return chosen;
    };
    Press(key::Forward);
    Press(key::Digit0 + 1);
    Keys(Qt::CTRL | Qt::Key_S); // no name yet: the dialog asks for one
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Lines().front(), "NAME(\"first.gop\")");
    Press(key::Back);
    Press(key::Digit0 + 2);
    Keys(Qt::CTRL | Qt::Key_S); // saved to its name, nothing asked
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(editor().modified, 0u);
    chosen = Path("second.gop");
    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(window->RecentFiles(),
              (std::vector<std::string>{Path("second.gop"), Path("first.gop")}));

    // Ctrl+N: saved, so nothing is asked; an empty program takes its place
    // and no longer saves over the old file.
    Keys(Qt::CTRL | Qt::Key_N);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NAME(\"My Go Program.gop\")"}));
    EXPECT_EQ(editor().memoryUnitsLeft, kMemoryUnits);
    Keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NAME(\"second.gop\")", "FD 1", "BK 2"}));

    // The working area goes to the clipboard.
    QApplication::clipboard()->clear();
    Keys(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->image().size().isEmpty(), false);

    // Delete is CM: the first press asks, the second clears.
    Keys(Qt::Key_Delete);
    EXPECT_TRUE(keypad()->PromptShown());
    EXPECT_EQ(Lines().size(), 3u);
    Keys(Qt::Key_Delete);
    EXPECT_TRUE(Lines().empty());

    answer = Answer::No;
    Keys(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Everyday, UndoAndRedoWalkBackAndForthThroughKeysAndClicks) {
    doc().state.homePenStyle = 0;
    std::vector<std::pair<ProgramSnapshot, AreaSnapshot>> states{{Program(), Area()}};
    auto step = [&] { states.push_back({Program(), Area()}); };
    Press(key::Forward);
    Press(key::Digit0 + 2);
    step();
    // The robot dragged by the mouse to a new start.
    const QPoint robot = drawing()->RobotPixel();
    QTest::mousePress(drawing(), Qt::LeftButton, {}, robot);
    QTest::mouseMove(drawing(), robot + QPoint(40, 20));
    QTest::mouseRelease(drawing(), Qt::LeftButton, {}, robot + QPoint(40, 20));
    ASSERT_NE(doc().state.homeX, states.back().second.robot.homeX);
    step();
    Press(key::Go);
    RunToEnd();
    const AreaSnapshot afterRun = Area(); // a run is no step of its own
    answer = Answer::Yes;
    emit window->razAzi()->graphicsMain()->clearWorkingAreaRequested();
    step();
    Press(key::ClearEntry);
    step();

    auto expect = [&](const ProgramSnapshot& program, const AreaSnapshot& area, int line) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(SameProgram(Program(), program));
        EXPECT_TRUE(SameArea(Area(), area));
    };
    Keys(Qt::CTRL | Qt::Key_Z); // CE
    expect(states[3].first, states[3].second, __LINE__);
    Keys(Qt::CTRL | Qt::Key_Z); // the clear: the run's drawing is back
    expect(states[2].first, afterRun, __LINE__);
    Keys(Qt::CTRL | Qt::Key_Z); // the drag
    expect(states[1].first, states[1].second, __LINE__);
    Keys(Qt::CTRL | Qt::Key_Z); // each key is a step: the digit, then Forward
    Keys(Qt::CTRL | Qt::Key_Z);
    expect(states[0].first, states[0].second, __LINE__);
    EXPECT_FALSE(window->Action(command::Undo)->isEnabled());
    Keys(Qt::CTRL | Qt::Key_Y);
    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    expect(states[1].first, states[1].second, __LINE__);
    Keys(Qt::CTRL | Qt::Key_Y); // the drag comes back as Undo found it, after the run
    expect(states[2].first, afterRun, __LINE__);
}

TEST_F(Everyday, MenuOptionsAndRecentFilesOutliveTheWindow) {
    const QPalette usual = QApplication::palette();
    window->Action(command::HighContrast)->trigger();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              HighContrastPalette().color(QPalette::Window));
    window->Action(command::SpeedInstant)->trigger();
    window->Action(command::ListingSizeFirst + 7)->trigger(); // listing size 40
    window->Action(command::Sound)->trigger();                // sound on
    window->Action(command::Tooltips)->trigger();             // tooltips off
    const std::string program = Path("kept.gop");
    saveName = [&](const std::string&) { return program; };
    KeySequence(editor(), "FD 1");
    window->Command(command::SaveGoProgram);
    window.reset();

    Start();
    EXPECT_EQ(std::tuple(window->Action(command::SpeedInstant)->isChecked(),
                         window->Action(command::SpeedMedium)->isChecked(),
                         drawing()->run().instant, doc().options.listingSize,
                         window->Action(command::ListingSizeFirst + 7)->isChecked(),
                         doc().options.sound, doc().options.tooltips),
              std::tuple(true, false, true, 8, true, true, false));
    EXPECT_EQ(window->RecentFiles(), (std::vector<std::string>{program}));
    EXPECT_TRUE(window->Action(command::HighContrast)->isChecked());
    EXPECT_TRUE(CurrentLook().highContrast);
    EXPECT_EQ(QApplication::palette().color(QPalette::Base),
              HighContrastPalette().color(QPalette::Base));
    window->Action(command::HighContrast)->trigger();
    EXPECT_FALSE(CurrentLook().highContrast);
    EXPECT_EQ(QApplication::palette(), usual);

    // A recent file opens like File > Open; one gone is taken off the list.
    window->Command(command::RecentFirst);
    ASSERT_EQ(Lines().size(), 2u);
    EXPECT_EQ(Lines()[1], "FD 1");
    std::remove(program.c_str());
    window->Command(command::RecentFirst);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(program), std::string::npos);
    EXPECT_TRUE(window->RecentFiles().empty());

    // Very Slow outlives the window too, while the file keeps a speed that
    // older readers know; a project's speed replaces it like any other.
    window->Action(command::SpeedVerySlow)->trigger();
    window.reset();
    Start();
    EXPECT_TRUE(window->Action(command::SpeedVerySlow)->isChecked());
    EXPECT_FALSE(window->Action(command::SpeedSlow)->isChecked());
    EXPECT_EQ(doc().state.moveDelay, 2 * MoveDelayForSpeed(0));
    const IniFile ini = IniFile::Load(options);
    EXPECT_EQ(std::pair(ini.GetInt("zarnik", "speed", 0), ini.GetInt("zarnik", "veryslow", 0)),
              std::pair(1L, 1L));
    doc().ApplyOptions({.listingSize = 8, .sound = 1, .tooltips = 0, .speed = 1});
    EXPECT_TRUE(window->Action(command::SpeedSlow)->isChecked());
    EXPECT_EQ(doc().state.moveDelay, MoveDelayForSpeed(0));
}

} // namespace
} // namespace zf::ui
